#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/PrivateProfile.h"

namespace torvane {
namespace {

std::optional<std::string> Find(std::string_view text, std::string_view section, std::string_view key) {
  const auto value = FindProfileValue(text, section, key);
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

TEST(PrivateProfile, LooksUpNamesWithoutRegardToCaseAndTrimsBlanks) {
  const std::string text =
      "top=1\r\n"  // before any section: belongs to none
      "; [locate] comment\r\n"
      "  [ Locate ]  \r\n"
      "\tTOP = 42 \t\r\n"
      "left\r\n"  // no "=": not a key
      ";width=5\r\n"
      "height=\r\n"
      "[other]\n"
      "top=7";  // LF line, no final line break
  EXPECT_EQ(Find(text, "locate", "top"), "42");
  EXPECT_EQ(Find(text, "LOCATE", "Top"), "42");
  EXPECT_EQ(Find(text, "locate", "left"), std::nullopt);
  EXPECT_EQ(Find(text, "locate", "width"), std::nullopt);
  EXPECT_EQ(Find(text, "locate", ";width"), std::nullopt);
  EXPECT_EQ(Find(text, "locate", "height"), "");
  EXPECT_EQ(Find(text, "other", "top"), "7");
  EXPECT_EQ(Find(text, "missing", "top"), std::nullopt);
  EXPECT_EQ(Find(text, "", "top"), std::nullopt);
  EXPECT_EQ(Find("\xEF\xBB\xBF[s]\nk=v\n", "s", "k"), "v");  // a UTF-8 mark before the first line
}

TEST(PrivateProfile, DoubleByteNamesCompareExactly) {
  // 0x83 0x41 and 0x83 0x61 are different katakana; their second bytes only look like "A" and "a".
  const std::string text = "[\x83\x41]\nk=upper\n[\x83\x61]\nk=lower\n[\x83\x5D]\nk=bracket\n";
  EXPECT_EQ(Find(text, "\x83\x41", "k"), "upper");
  EXPECT_EQ(Find(text, "\x83\x61", "k"), "lower");
  EXPECT_EQ(Find(text, "\x83\x5D", "k"), "bracket");  // second byte 0x5D is "]"
}

TEST(PrivateProfile, TheFirstKeyCountsAndAnUpdateChangesIt) {
  const std::string text = "[s]\nk=first\nk=second\n[S]\nk=third\nj=other\n";
  EXPECT_EQ(Find(text, "s", "k"), "first");
  EXPECT_EQ(Find(text, "s", "j"), "other");  // a repeated section still counts
  const auto updated = SetProfileValue(text, "s", "K", "new");
  ASSERT_TRUE(updated);
  EXPECT_EQ(*updated, "[s]\nk=new\nk=second\n[S]\nk=third\nj=other\n");
  const auto second = SetProfileValue(*updated, "S", "j", "x");
  ASSERT_TRUE(second);
  EXPECT_EQ(*second, "[s]\nk=new\nk=second\n[S]\nk=third\nj=x\n");
}

TEST(PrivateProfile, AnUpdateRewritesOnlyTheValue) {
  const std::string text = "; settings\r\n[locate]\r\n  Top = 5 trailing \r\nleft=3\r\n\r\n[x]\r\ny=1";
  const auto updated = SetProfileValue(text, "locate", "top", "120");
  ASSERT_TRUE(updated);
  EXPECT_EQ(*updated, "; settings\r\n[locate]\r\n  Top =120\r\nleft=3\r\n\r\n[x]\r\ny=1");
  const auto last = SetProfileValue(text, "x", "y", "2");
  ASSERT_TRUE(last);
  EXPECT_EQ(*last, "; settings\r\n[locate]\r\n  Top = 5 trailing \r\nleft=3\r\n\r\n[x]\r\ny=2");
}

TEST(PrivateProfile, ANewKeyGoesAfterTheLastLineOfItsSection) {
  const auto inserted = SetProfileValue("[a]\r\nk=1\r\n\r\n[b]\r\nk=2\r\n", "A", "new", "v");
  ASSERT_TRUE(inserted);
  EXPECT_EQ(*inserted, "[a]\r\nk=1\r\nnew=v\r\n\r\n[b]\r\nk=2\r\n");
  const auto atEnd = SetProfileValue("[a]\nk=1", "a", "j", "2");  // last line without its break
  ASSERT_TRUE(atEnd);
  EXPECT_EQ(*atEnd, "[a]\nk=1\nj=2\n");
  const auto onlyHeader = SetProfileValue("[a]", "a", "j", "2");
  ASSERT_TRUE(onlyHeader);
  EXPECT_EQ(*onlyHeader, "[a]\r\nj=2\r\n");
}

TEST(PrivateProfile, ANewSectionGoesAtTheEndWithTheTextsLineBreak) {
  EXPECT_EQ(SetProfileValue("", "locate", "top", "10"), "[locate]\r\ntop=10\r\n");
  EXPECT_EQ(SetProfileValue("[a]\nk=1\n", "b", "k", "2"), "[a]\nk=1\n[b]\nk=2\n");
  EXPECT_EQ(SetProfileValue("unknown line", "b", "k", "2"), "unknown line\r\n[b]\r\nk=2\r\n");
  EXPECT_EQ(SetProfileValue("  [ b ] \nk=1\n", " b ", " k ", "2"), "  [ b ] \nk=2\n");  // names trimmed
}

TEST(PrivateProfile, RefusesWhatWouldNotReadBackAsWritten) {
  EXPECT_FALSE(SetProfileValue("", "s", "k", "a\r\nb=c"));
  EXPECT_FALSE(SetProfileValue("", "s", "k", "a\nb"));
  EXPECT_FALSE(SetProfileValue("", "s\n", "k", "v"));
  EXPECT_FALSE(SetProfileValue("", "s", "k\rx", "v"));
  EXPECT_FALSE(SetProfileValue("", "s", "k=x", "v"));
  EXPECT_FALSE(SetProfileValue("", "s", ";k", "v"));
  EXPECT_FALSE(SetProfileValue("", "s", "[k]", "v"));
  EXPECT_FALSE(SetProfileValue("", " ", "k", "v"));
  EXPECT_FALSE(SetProfileValue("", "s", "", "v"));
  EXPECT_TRUE(SetProfileValue("", "s", "k", ""));
}

TEST(PrivateProfile, BinaryGarbageIsKeptAroundAnUpdate) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 151 + 7) % 256));
  EXPECT_EQ(Find(garbage, "locate", "top"), std::nullopt);
  const auto updated = SetProfileValue(garbage, "locate", "top", "10");
  ASSERT_TRUE(updated);
  EXPECT_EQ(updated->substr(0, garbage.size()), garbage);
  EXPECT_EQ(Find(*updated, "locate", "top"), "10");
}

}  // namespace
}  // namespace torvane
