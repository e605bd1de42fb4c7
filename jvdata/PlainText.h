#pragma once
// Plain text helpers shared by every layer: the trimming rule and
// printf-style formatting of display texts ("%8d千円", "%4.1fkg", ...).

#include <string>
#include <string_view>

namespace torvane {

// A text without leading and trailing half-width blanks and control characters
// (full-width spaces stay): the program's one trimming rule. Safe on CP932
// bytes too, whose second bytes are never blanks or controls.
std::string_view TrimBlanks(std::string_view utf8);

// The formatted text, however long it grows.
[[gnu::format(printf, 1, 2)]] std::string Formatted(const char* format, ...);

}  // namespace torvane
