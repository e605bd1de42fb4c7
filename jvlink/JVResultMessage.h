#pragma once
// The wording of JV-Link result codes: every JV-Link call whose result is
// shown to the user goes through JVResultMessage, and the caller puts its own
// prefix ("JVOpenエラー:", ...) in front.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

// The Japanese message (UTF-8) for the code a JV-Link method returned, always
// ending in "(" code ")". Method names are compared exactly (case matters); a
// method or code without a message of its own gives just the bracketed code.
std::string JVResultMessage(std::string_view methodName, std::int32_t code);

}  // namespace torvane
