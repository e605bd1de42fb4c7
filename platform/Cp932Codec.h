#pragma once
// The system's own CP932 converter (iconv "CP932" on Linux, code page 932 of
// the Win32 API on Windows: both the Microsoft mapping), one character at a
// time. jvdata/Cp932 builds its tables from these once.

#include <optional>
#include <string>
#include <string_view>

namespace torvane::platform {

// The code point of one CP932 character (one or two bytes); nothing when the
// bytes are not one whole valid character.
std::optional<char32_t> DecodeCp932Character(std::string_view bytes);

// The CP932 bytes the system writes for a code point; nothing when CP932
// cannot represent it. For a character that no code decodes to (U+00A5,
// U+2212 and a few more) iconv writes a look-alike where Windows refuses:
// ask only for characters that some code decodes to.
std::optional<std::string> EncodeCp932Character(char32_t codePoint);

}  // namespace torvane::platform
