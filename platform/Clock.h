#pragma once
// The machine's clock in its own time zone.

#include <ctime>

namespace torvane::platform {

// The local date and time now; throws std::runtime_error when the system
// cannot tell it.
std::tm LocalTimeNow();

}  // namespace torvane::platform
