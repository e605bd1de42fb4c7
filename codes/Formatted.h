#pragma once
// printf-style formatting of display texts ("%8d千円", "%4.1fkg", ...).

#include <string>

namespace torvane {

// The formatted text, however long it grows.
[[gnu::format(printf, 1, 2)]] std::string Formatted(const char* format, ...);

}  // namespace torvane
