#include <gtest/gtest.h>

#include "jvdata/Cp932.h"

namespace torvane {
namespace {

TEST(Cp932, DecodesTheMicrosoftMapping) {
  EXPECT_EQ(Cp932ToUtf8("\x81\x7C"), "－");          // U+FF0D, not U+2212
  EXPECT_EQ(Cp932ToUtf8("\x87\x40\x87\x51"), "①⑱");  // NEC row 13
  EXPECT_EQ(Cp932ToUtf8("\xB1\xDD"), "ｱﾝ");          // half-width katakana
  EXPECT_EQ(Cp932ToUtf8("\x81\x40"), "　");
  EXPECT_EQ(Cp932ToUtf8("\x92\x86\x8E\x52"), "中山");
  EXPECT_EQ(Cp932ToUtf8("\xA2\xA3"), "｢｣");
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(Cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD");                   // lead byte at the end
  EXPECT_EQ(Cp932ToUtf8("\x81\x20x"), "\xEF\xBF\xBD x");              // lead byte without a trail byte
  EXPECT_EQ(Cp932ToUtf16("\x85\x40"), std::u16string(1, u'\xFFFD'));  // unassigned pair
}

TEST(Cp932, EncodesBackToTheSameBytes) {
  const std::string text = "\x92\x86\x8E\x52\x81\x40\x87\x40\xB1 ABC\x81\x7C";
  EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToCp932(Cp932ToUtf16(text)), text);
  EXPECT_EQ(Utf8ToCp932("年月日"), "\x94\x4E\x8C\x8E\x93\xFA");
}

TEST(Cp932, UnrepresentableCharactersBecomeOneQuestionMark) {
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
  EXPECT_EQ(Utf16ToCp932(u"\u00E9"), "?");
}

TEST(Cp932, WidthCountsHalfWidthColumns) {
  EXPECT_EQ(Cp932Width("G1   "), 5);
  EXPECT_EQ(Cp932Width("　　 "), 5);
  EXPECT_EQ(Cp932Width("ﾊﾝﾃﾞ"), 4);
  EXPECT_EQ(Cp932Width("ｱﾗﾌﾞ首"), 6);
  EXPECT_EQ(Cp932Width("①－"), 4);
  EXPECT_EQ(Cp932Width(""), 0);
}

}  // namespace
}  // namespace torvane
