#pragma once
// Text conversion between CP932 (the Microsoft variant of Shift-JIS in which
// every JV-Data record is written) and Unicode.
//
// Records stay CP932 bytes; a field becomes UTF-8 only when it is displayed.
// Invalid or truncated CP932 sequences never fail: each becomes U+FFFD.

#include <cstddef>
#include <string>
#include <string_view>

namespace torvane {

// Byte-level facts about CP932 text, for code that must not cut or compare a
// double-byte character by halves (its second byte may look like an ASCII
// letter, "]" or a half-width katakana).

// Whether c starts a double-byte character.
constexpr bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The length of the longest prefix of text of at most maxBytes bytes that
// ends on a character boundary. A lead byte with nothing after it counts as
// a character of one byte.
inline std::size_t Cp932PrefixLength(std::string_view text, std::size_t maxBytes) {
  std::size_t length = 0;
  while (length < text.size()) {
    const std::size_t width =
        IsCp932LeadByte(static_cast<unsigned char>(text[length])) && length + 1 < text.size() ? 2 : 1;
    if (length + width > maxBytes) break;
    length += width;
  }
  return length;
}

// The first maxBytes bytes of CP932 text, one byte fewer when the cut would
// split a double-byte character.
inline std::string_view Cp932Prefix(std::string_view text, std::size_t maxBytes) {
  return text.substr(0, Cp932PrefixLength(text, maxBytes));
}

// Whether the last byte of text is a character of its own rather than the
// second byte of a double-byte character.
inline bool Cp932EndsWithSingleByte(std::string_view text) {
  if (text.empty()) return false;
  return Cp932PrefixLength(text, text.size() - 1) == text.size() - 1;
}

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
