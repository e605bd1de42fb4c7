#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"

namespace torvane {
namespace {

using Cases = std::vector<std::pair<std::string, std::string>>;
constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

TEST(ReadCodeNumber, BlanksSignAndDigitsUpToTheFirstOtherCharacter) {
  const std::vector<std::pair<std::string, std::int64_t>> cases{
      {"05", 5},  {" 5", 5},   {"5 ", 5},        {"5x", 5},       {"  ", 0}, {"", 0},
      {"+7", 7},  {"-7", -7},  {"  -12a3", -12}, {"- 5", 0},      {"+", 0},  {"x5", 0},
      {"\t5", 0}, {"0000", 0}, {"1600", 1600},   {"\x82\x54", 0},  // full-width ５ is no digit
  };
  for (const auto& [field, value] : cases) EXPECT_EQ(ReadCodeNumber(field), value) << "[" << field << "]";
}

TEST(ReadCodeNumber, AbsurdDigitRunsSaturate) {
  EXPECT_EQ(ReadCodeNumber("9223372036854775807"), kMax);
  EXPECT_EQ(ReadCodeNumber("9223372036854775808"), kMax);
  EXPECT_EQ(ReadCodeNumber(std::string(400, '9')), kMax);
  EXPECT_EQ(ReadCodeNumber("-9223372036854775807"), -kMax);
  EXPECT_EQ(ReadCodeNumber("-9223372036854775808"), kMin);
  EXPECT_EQ(ReadCodeNumber("-" + std::string(400, '9')), kMin);
}

TEST(Trimming, FullWidthSpacesGoOnlyThroughRemoveWideSpaces) {
  const Cases removals{{"　　", ""}, {"ア　イ　", "アイ"}, {" 　a ", " a "}, {"", ""}};
  for (const auto& [text, removed] : removals) EXPECT_EQ(RemoveWideSpaces(text), removed) << "[" << text << "]";
}

TEST(Trimming, NameTextIsTheBareName) {
  EXPECT_EQ(NameText("\x83\x41\x83\x43\x81\x40\x81\x40  "), "アイ");  // "アイ　　  "
  EXPECT_EQ(NameText(" \xB1\xB2 "), "ｱｲ");
  EXPECT_EQ(NameText("    "), "");
  // 0x81 0x40 here is the tail of "＝" (0x81 0x81) and an "@", no full-width space.
  EXPECT_EQ(NameText("\x81\x81\x40"), "＝@");
}

TEST(DigitFields, IntegersRightAlignedInTheFieldWidth) {
  const Cases cases{{"1600", "1600"}, {"08", " 8"}, {"016", " 16"}, {"0000", "    "},
                    {"0008", "   8"}, {"  ", "  "}, {"-05", " -5"}, {"", ""}};
  for (const auto& [field, text] : cases) EXPECT_EQ(FormatIntField(field), text) << field;
}

TEST(DigitFields, TenthsWithOneDecimal) {
  const Cases cases{{"550", "55.0"}, {"575", "57.5"},   {"480", "48.0"}, {"000", "   "},
                    {"005", " 0.5"}, {"1000", "100.0"}, {"-05", "-0.5"}, {"   ", "   "}};
  for (const auto& [field, text] : cases) EXPECT_EQ(FormatTenthsField(field), text) << field;
  // A saturated reading still formats exactly, in the field's width plus one.
  EXPECT_EQ(FormatTenthsField("-" + std::string(30, '9')), std::string(11, ' ') + "-922337203685477580.8");
}

TEST(TimeDiff, SignSecondsAndTenths) {
  const Cases cases{
      {"+005", "+ 0.5"},
      {"-013", "- 1.3"},
      {"+123", "+12.3"},
      {"+000", "+ 0.0"},
      {"+ 05", "+ 0.5"},
      {"+999", "     "},
      {" 999", "     "},
      {"9999", "     "},
      {"0000", "     "},
      {"+   ", "     "},
      {"    ", "     "},
      {"+x05", "     "},
      {"+0x5", "     "},
      {"+5 5", "     "},
      {"+-05", "     "},
      {"", "     "},
      {"+05", "     "},
      {"+0050", "     "},
      {"\x82"
       "123",
       "     "},
      {"+12\x82", "     "},
  };
  for (const auto& [field, text] : cases) EXPECT_EQ(FormatTimeDiff(field), text) << "[" << field << "]";
}

TEST(TimeDiff, AnyFourByteFieldGivesFivePlainCharacters) {
  const std::string alphabet{" +-09x\x81", 7};
  const std::string withNul = alphabet + '\0';
  for (char a : withNul)
    for (char b : withNul)
      for (char c : withNul)
        for (char d : withNul) {
          const std::string text = FormatTimeDiff(std::string{a, b, c, d});
          ASSERT_EQ(text.size(), 5u);
          for (char ch : text) ASSERT_TRUE(ch >= 0x20 && ch <= 0x7E) << text;
        }
}

}  // namespace
}  // namespace torvane
