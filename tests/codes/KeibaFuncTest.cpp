#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <set>
#include <vector>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"

namespace torvane {
namespace {

using Convert = std::function<std::string(std::string_view)>;

// One exact-match table: its codes, its "other" text and, for fixed-width
// forms, the CP932 width of every entry.
struct ExactMatchTable {
  std::string name;
  Convert convert;
  std::vector<std::string> codes;
  std::string other;
  int width = 0;  // 0: the texts have no fixed width
};

std::vector<ExactMatchTable> ExactMatchTables() {
  const std::vector<std::string> grades{"A", "B", "C", "D", "E", "F", "G", "H", "L"};
  const std::vector<std::string> goings{"1", "2", "3", "4"};
  return {
      {"HairColorName", HairColorName, {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"}, "－"},
      {"GradeName form 1", [](std::string_view c) { return GradeName(c, 1); }, grades, "　　 ", 5},
      {"GradeName form 8", [](std::string_view c) { return GradeName(c, 8); }, grades, "　 ", 3},
      {"GradeName form 9", [](std::string_view c) { return GradeName(c, 9); }, grades, "　　　　　　　　　", 18},
      {"WeightTypeName", WeightTypeName, {"1", "2", "3", "4"}, ""},
      {"WeatherName", WeatherName, {"1", "2", "3", "4", "5", "6"}, ""},
      {"GoingName form 0", [](std::string_view c) { return GoingName(c, 0); }, goings, ""},
      {"GoingName form 1", [](std::string_view c) { return GoingName(c, 1); }, goings, ""},
      {"GoingName form 2", [](std::string_view c) { return GoingName(c, 2); }, goings, ""},
      {"SexName", SexName, {"1", "2", "3"}, ""},
  };
}

// Texts that resemble a code without being it byte for byte.
std::vector<std::string> NearMisses(const std::string& code) {
  std::vector<std::string> misses{" " + code, code + " ", "0" + code, code + '\0', std::string(code.size(), ' '), ""};
  if (code.size() == 2) misses.push_back(code.substr(1));
  return misses;
}

TEST(CodeTables, EveryCodeHasItsOwnTextAndOnlyTheExactCodeMatches) {
  for (const ExactMatchTable& table : ExactMatchTables()) {
    SCOPED_TRACE(table.name);
    std::set<std::string> texts{table.other};
    for (const std::string& code : table.codes) {
      EXPECT_TRUE(texts.insert(table.convert(code)).second) << "code " << code << " repeats a text";
      for (const std::string& miss : NearMisses(code))
        EXPECT_EQ(table.convert(miss), table.other) << "[" << miss << "]";
    }
  }
}

TEST(CodeTables, FixedWidthFormsKeepTheirWidthForEveryEntry) {
  for (const ExactMatchTable& table : ExactMatchTables()) {
    if (table.width == 0) continue;
    SCOPED_TRACE(table.name);
    for (const std::string& code : table.codes) {
      EXPECT_EQ(Cp932Width(table.convert(code)), table.width) << code;
      for (const std::string& miss : NearMisses(code)) EXPECT_EQ(Cp932Width(table.convert(miss)), table.width);
    }
  }
}

TEST(CodeTables, SampleEntries) {
  EXPECT_EQ(HairColorName("02"), "栃栗毛");
  EXPECT_EQ(HairColorName("11"), "白毛");
  EXPECT_EQ(GradeName("A", 1), "G1   ");
  EXPECT_EQ(GradeName("F", 8), "JG1");
  EXPECT_EQ(GradeName("D", 9), "ｸﾞﾚｰﾄﾞのない重賞　");
  EXPECT_EQ(GradeName("H", 9), "JG3(障害競走)　　 ");
  EXPECT_EQ(GradeName("L", 1), "L    ");
  EXPECT_EQ(GradeName("L", 8), "L  ");
  EXPECT_EQ(GradeName("L", 9), "リステッド競走　　");
  EXPECT_EQ(Utf8ToCp932(WeightTypeName("1")), "\xCA\xDD\xC3\xDE");  // half-width ﾊﾝﾃﾞ
  EXPECT_EQ(WeightTypeName("4"), "定量");
  EXPECT_EQ(WeatherName("4"), "小雨");
  EXPECT_EQ(WeatherName("6"), "小雪");
  EXPECT_EQ(Utf8ToCp932(SexName("3")), "\xBE\xDD");  // half-width ｾﾝ
  EXPECT_EQ(GoingName("2", 0), "稍重");
}

TEST(CodeTables, GoingFormsOneAndTwoPrefixTheSurfaceWithAHalfWidthColon) {
  for (const char* code : {"1", "2", "3", "4"}) {
    EXPECT_EQ(GoingName(code, 1), "芝:" + GoingName(code, 0));
    EXPECT_EQ(GoingName(code, 2), "ダ:" + GoingName(code, 0));
  }
}

TEST(CodeTables, FormsTheTablesDoNotHaveGiveNoText) {
  for (int form : {-1, 0, 2, 7, 10}) EXPECT_EQ(GradeName("A", form), "") << form;
  for (int form : {-1, 3, 9}) EXPECT_EQ(GoingName("1", form), "") << form;
}

// The values without a mark, as the mark table lists them.
bool IsUnmarked(int value) {
  return value <= 0 || value == 13 || value == 14 || (value >= 28 && value <= 30) || (value >= 32 && value <= 39) ||
         value > 41;
}

TEST(HorseMark, MarkedValuesAreBracketedHalfWidthGroups) {
  std::set<std::string> marks;
  for (int value = -3; value <= 60; ++value) {
    const std::string mark = HorseMarkName(std::to_string(value));
    if (IsUnmarked(value)) {
      EXPECT_EQ(mark, "　") << value;
      continue;
    }
    EXPECT_TRUE(marks.insert(mark).second) << value << " repeats " << mark;
    // Each group is "(X)" or "[X]": a half-width bracket pair around one kanji.
    const std::string bytes = Utf8ToCp932(mark);
    ASSERT_EQ(bytes.size() % 4, 0u) << value << " " << mark;
    for (std::size_t group = 0; group < bytes.size(); group += 4) {
      const std::string pair{bytes[group], bytes[group + 3]};
      EXPECT_TRUE(pair == "()" || pair == "[]") << value << " " << mark;
    }
  }
  EXPECT_EQ(HorseMarkName("01"), "(抽)");
  EXPECT_EQ(HorseMarkName("02"), "[抽]");
  EXPECT_EQ(HorseMarkName("19"), "(招)(父)(市)");
  EXPECT_EQ(HorseMarkName("21"), "[地]");
  EXPECT_EQ(HorseMarkName("31"), "(持)");
  EXPECT_EQ(HorseMarkName("41"), "(父)(外)[地]");
}

TEST(HorseMark, TheCodeIsReadAsANumber) {
  for (const char* code : {"1", " 1", "1 ", "001", "+1", "1x"}) EXPECT_EQ(HorseMarkName(code), "(抽)") << code;
  for (const char* code : {"", "  ", "-1", "x1", "99999999999999999999999"}) EXPECT_EQ(HorseMarkName(code), "　");
}

TEST(CircledNumbers, OneToEighteenAreTheNecCircledDigits) {
  for (int n = 1; n <= 18; ++n) {
    const std::string expected{'\x87', static_cast<char>(0x40 + n - 1)};
    EXPECT_EQ(Utf8ToCp932(CircledNumber(n)), expected) << n;
  }
  for (std::int64_t n : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{19}, std::numeric_limits<std::int64_t>::min(),
                         std::numeric_limits<std::int64_t>::max()})
    EXPECT_EQ(Utf8ToCp932(CircledNumber(n)), "\x81\x7C") << n;  // "－"
  EXPECT_EQ(CircledNumberText("05"), "⑤");
  EXPECT_EQ(CircledNumberText("18"), "⑱");
  EXPECT_EQ(CircledNumberText(" 3 "), "③");
  for (const char* digits : {"00", "  ", "", "19", "-1"}) EXPECT_EQ(CircledNumberText(digits), "－") << digits;
}

TEST(Condition, ClassLimitsAndNamedConditions) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"005", " 500万下"}, {"001", " 100万下"}, {"010", "1000万下"}, {"016", "1600万下"}, {"099", "9900万下"},
      {" 5 ", " 500万下"}, {"100", "1億下"},    {"701", "新馬"},     {"702", "未出走"},   {"703", "未勝利"},
      {"999", "オープン"}, {"000", ""},         {"   ", ""},         {"101", ""},         {"700", ""},
      {"704", ""},         {"998", ""},         {"-05", ""},
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(ConditionName(code, "20190531"), name) << code;
  for (int v = 1; v <= 99; ++v) {
    const std::string code = (v < 10 ? "00" : "0") + std::to_string(v);
    EXPECT_EQ(Cp932Width(ConditionName(code, "20190531")), 8) << code;
    EXPECT_EQ(Cp932Width(ConditionName(code, "20190601")), 8) << code;
  }
}

TEST(Condition, ClassesAreNamedByWinsFromJune2019) {
  EXPECT_EQ(Utf8ToCp932(ConditionName("005", "20190601")), "1\x8F\x9F\xB8\xD7\xBD  ");  // 1勝ｸﾗｽ, half-width
  EXPECT_EQ(ConditionName("010", "20231224"), "2勝ｸﾗｽ  ");
  EXPECT_EQ(ConditionName("016", "20190601"), "3勝ｸﾗｽ  ");
  EXPECT_EQ(ConditionName("016", "20190531"), "1600万下");
  EXPECT_EQ(ConditionName("016", "        "), "1600万下");
  EXPECT_EQ(ConditionName("020", "20190601"), "2000万下");
}

TEST(Track, RangeBoundaries) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"09", ""},     {"10", "芝直"}, {"11", "芝左"}, {"16", "芝左"}, {"17", "芝右"}, {"22", "芝右"}, {"23", "ダ左"},
      {"24", "ダ右"}, {"25", "ダ左"}, {"26", "ダ右"}, {"27", ""},     {"28", ""},     {"29", "ダ直"}, {"30", ""},
      {"50", ""},     {"51", "障害"}, {"59", "障害"}, {"60", ""},     {"  ", ""},     {"5", ""},
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(TrackName(code), name) << code;
}

}  // namespace
}  // namespace torvane
