#pragma once
// Folding of horse names for finding a horse by part of its name: half-width
// katakana become full-width (a following sound mark joins its kana: ｶﾞ is
// ガ), hiragana become katakana, full-width Latin letters and digits become
// ASCII and lower-case letters upper-case. Everything else stays as it is.

#include <string>
#include <string_view>

namespace torvane {

// The folded code points of UTF-8 text; a byte that is not UTF-8 is kept as
// the code point of its value, so nothing is lost.
std::u32string FoldKana(std::string_view utf8);

}  // namespace torvane
