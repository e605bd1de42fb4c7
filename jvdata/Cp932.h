#pragma once
// Text conversion between CP932 (the Microsoft variant of Shift-JIS in which
// every JV-Data record is written) and Unicode.
//
// Records stay CP932 bytes; a field becomes UTF-8 only when it is displayed.
// Invalid or truncated CP932 sequences never fail: each becomes U+FFFD.

#include <string>
#include <string_view>

namespace torvane {

// CP932 bytes to UTF-8.
std::string Cp932ToUtf8(std::string_view cp932);

// CP932 bytes to UTF-16.
std::u16string Cp932ToUtf16(std::string_view cp932);

// UTF-8 to CP932. Characters that CP932 cannot represent become "?", which
// keeps the output one byte per unrepresentable character.
std::string Utf8ToCp932(std::string_view utf8);

// UTF-16 to CP932, with the same substitution rule as Utf8ToCp932.
std::string Utf16ToCp932(std::u16string_view utf16);

// The CP932 byte width of a UTF-8 display text: the number of half-width
// columns it occupies in a fixed-pitch font (ASCII and half-width katakana 1,
// everything else 2).
int Cp932Width(std::string_view utf8);

}  // namespace torvane
