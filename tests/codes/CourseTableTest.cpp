#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"

namespace torvane {
namespace {

constexpr std::array<int, 5> kForms{0, 1, 2, 3, 9};
constexpr std::array<int, 5> kWidths{6, 2, 4, 6, 20};
constexpr std::array<int, 5> kUnknownWidths{6, 2, 4, 6, 6};  // form 9 of an unknown code is six blanks

// Every two-byte code, in byte order.
std::vector<std::string> AllTwoByteCodes() {
  std::vector<std::string> codes;
  for (int first = 0; first < 256; ++first)
    for (int second = 0; second < 256; ++second) codes.push_back({static_cast<char>(first), static_cast<char>(second)});
  return codes;
}

bool IsKnown(const std::string& code) { return CourseName(code, 9) != "      "; }

TEST(CourseName, TheTableHas114RowsAndEveryEntryItsFormsWidth) {
  int rows = 0;
  for (const std::string& code : AllTwoByteCodes()) {
    const bool known = IsKnown(code);
    rows += known;
    for (std::size_t f = 0; f < kForms.size(); ++f) {
      const std::string name = CourseName(code, kForms[f]);
      if (!known) {
        ASSERT_EQ(name, std::string(kUnknownWidths[f], ' ')) << "form " << kForms[f];
        continue;
      }
      const int width = code == "A2" && kForms[f] == 1 ? 3 : kWidths[f];
      EXPECT_EQ(Cp932Width(name), width) << code << " form " << kForms[f] << " [" << name << "]";
    }
  }
  EXPECT_EQ(rows, 114);
}

TEST(CourseName, RowsByteForByte) {
  const std::map<std::string, std::array<std::string, 5>> rows{
      {"06", {"中山  ", "中", "中山", "中山  ", "中山競馬場　　　　　"}},
      {"49", {"紀三井", "紀", "紀三", "紀三寺", "紀三井寺競馬場　　　"}},
      {"61", {"中京  ", "名", "中京", "中京  ", "中京競馬場(地方競馬)"}},
      {"A2", {"日本  ", "日 ", "日本", "日本  ", "日本　　　　　　　　"}},
      {"C7", {"ｱﾗﾌﾞ首", "首", "ア首", "アラブ", "アラブ首長国連邦　　"}},
      {"H0", {"西ﾄﾞｲﾂ", "独", "西独", "西独　", "西ドイツ　　　　　　"}},
      {"L0", {"タイ　", "泰", "タイ", "タイ　", "タイ　　　　　　　　"}},
      {"M2", {"マカオ", "澳", "澳門", "マカオ", "マカオ　　　　　　　"}},
      {"M4", {"ｵｰｽﾄﾘｱ", "墺", "オー", "オース", "オーストリア　　　　"}},
      {"N0", {"東ﾄﾞｲﾂ", "独", "東独", "東独　", "東ドイツ　　　　　　"}},
      {"N6", {"ﾓｰﾘｼｬｽ", "モ", "モー", "モーリ", "モーリシャス　　　　"}},
  };
  for (const char* code : {"M6", "M8", "N2", "N4"}) EXPECT_TRUE(IsKnown(code)) << code;
  for (const auto& [code, names] : rows)
    for (std::size_t f = 0; f < kForms.size(); ++f) EXPECT_EQ(CourseName(code, kForms[f]), names[f]) << code;
  EXPECT_EQ(Utf8ToCp932(CourseName("A4", 0)), "\xB1\xD2\xD8\xB6  ");  // half-width ｱﾒﾘｶ
  EXPECT_EQ(Utf8ToCp932(CourseName("L0", 0)), "\x83\x5E\x83\x43\x81\x40");
}

TEST(CourseName, BlankRowsAndExactMatch) {
  std::string tenWideSpaces;
  for (int i = 0; i < 10; ++i) tenWideSpaces += "\x81\x40";
  for (const char* code : {"C4", "F4", "F6", "G4", "G6", "G8"}) {
    for (std::size_t f = 0; f < 4; ++f) EXPECT_EQ(CourseName(code, kForms[f]), std::string(kWidths[f], ' ')) << code;
    EXPECT_EQ(Utf8ToCp932(CourseName(code, 9)), tenWideSpaces) << code;
  }
  for (const char* code : {"6", " 6", "06 ", "6 ", "a2", ""}) EXPECT_EQ(CourseName(code, 2), "    ") << code;
  EXPECT_EQ(CourseName("  ", 9), "      ");
  for (int form : {-1, 4, 8, 10}) EXPECT_EQ(CourseName("06", form), "") << form;
}

TEST(CourseGroupName, CentralNamesLocalAndForeignGroups) {
  std::map<std::string, int> counts;
  for (const std::string& code : AllTwoByteCodes()) {
    const std::string group = CourseGroupName(code);
    EXPECT_EQ(Cp932Width(group), 6);
    ++counts[group];
  }
  EXPECT_EQ(counts["地方  "], 32);
  EXPECT_EQ(counts["海外  "], 39);

  const std::vector<std::string> central{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
  for (const std::string& code : central) EXPECT_EQ(CourseGroupName(code), CourseName(code, 0)) << code;
  for (int code = 30; code <= 61; ++code) EXPECT_EQ(CourseGroupName(std::to_string(code)), "地方  ") << code;
  for (const char* code : {"A0", "A2", "A4", "A6", "A8", "B0", "B2", "B4", "B6", "B8", "C0", "C2", "C4",
                           "C6", "C7", "C8", "D0", "D2", "D4", "D6", "D8", "E0", "E2", "E4", "E6", "E8",
                           "F0", "F1", "F2", "F4", "F6", "F8", "G0", "G2", "G4", "G6", "G8", "H0", "H2"})
    EXPECT_EQ(CourseGroupName(code), "海外  ") << code;
  // Known to CourseName but in no group.
  for (const char* code : {"C5", "H4", "K6", "M2"}) {
    EXPECT_TRUE(IsKnown(code)) << code;
    EXPECT_EQ(CourseGroupName(code), "      ") << code;
  }
  for (const char* code : {"11", "29", "62", "6", "  ", "a0"}) EXPECT_EQ(CourseGroupName(code), "      ") << code;
}

}  // namespace
}  // namespace torvane
