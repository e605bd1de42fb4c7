#pragma once
// Byte-level facts about CP932 text, for code that must not cut or compare a
// double-byte character by halves (its second byte may look like an ASCII
// letter, "]" or a half-width katakana).

#include <cstddef>
#include <string_view>

namespace torvane {

// Whether c starts a double-byte character.
inline bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The length of the longest prefix of text of at most maxBytes bytes that
// ends on a character boundary.
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

// Whether the last byte of text is a character of its own rather than the
// second byte of a double-byte character.
inline bool Cp932EndsWithSingleByte(std::string_view text) {
  if (text.empty()) return false;
  return Cp932PrefixLength(text, text.size() - 1) == text.size() - 1;
}

}  // namespace torvane
