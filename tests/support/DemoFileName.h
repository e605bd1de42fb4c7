#pragma once
// The names of the demo delivery's files, "<family>_yyyymmddhhnnss.jvd": the
// family is two capital letters, then the year's digits for a family of
// past results.

#include <optional>
#include <string>
#include <string_view>

namespace torvane::test {

// The 14-digit time stamp of a demo file name; nothing for another name.
std::optional<std::string> DemoFileStamp(std::string_view name);

}  // namespace torvane::test
