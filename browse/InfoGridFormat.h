#pragma once
// Small text helpers of the information grid's cell drawing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// printf-style formatting into a UTF-8 string ("%8d千円", "%4.1fkg", ...).
[[gnu::format(printf, 1, 2)]] std::string Formatted(const char* format, ...);

// A field read as a strict integer: after trimming half-width blanks, an
// optional sign and nothing but ASCII digits; nothing for any other field
// (blank, "5x", "1 2") or one out of range.
std::optional<std::int64_t> StrictInteger(std::string_view field);

// The first maxBytes bytes of CP932 text, one byte fewer when the cut would
// split a double-byte character.
std::string_view Cp932Prefix(std::string_view cp932, std::size_t maxBytes);

}  // namespace torvane
