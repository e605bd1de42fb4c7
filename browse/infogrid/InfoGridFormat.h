#pragma once
// Small text helpers of the information grid's cell drawing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "jvdata/PlainText.h"

namespace torvane {

// A field read as a strict integer: after trimming half-width blanks, an
// optional sign and nothing but ASCII digits; nothing for any other field
// (blank, "5x", "1 2") or one out of range.
std::optional<std::int64_t> StrictInteger(std::string_view field);

}  // namespace torvane
