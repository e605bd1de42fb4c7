#pragma once
// The strict reading of a number field, where a blank or garbled field must
// show as missing rather than as 0.

#include <cstdint>
#include <optional>
#include <string_view>

#include "jvdata/PlainText.h"
namespace torvane {

// A field read as a strict integer: after trimming half-width blanks, an
// optional sign and nothing but ASCII digits; nothing for any other field
// (blank, "5x", "1 2") or one out of range.
std::optional<std::int64_t> StrictInteger(std::string_view field);

}  // namespace torvane
