#include "tests/support/DemoFileName.h"

#include <algorithm>

namespace torvane::test {
namespace {

bool AllOf(std::string_view text, char from, char to) {
  return std::all_of(text.begin(), text.end(), [=](char c) { return c >= from && c <= to; });
}

}  // namespace

std::optional<std::string> DemoFileStamp(std::string_view name) {
  constexpr std::string_view kExtension = ".jvd";
  constexpr std::size_t kStampLength = 14;
  const std::size_t underscore = name.find('_');
  if (underscore == std::string_view::npos || underscore < 2 || !name.ends_with(kExtension) ||
      name.size() != underscore + 1 + kStampLength + kExtension.size())
    return std::nullopt;
  const std::string_view family = name.substr(0, underscore), stamp = name.substr(underscore + 1, kStampLength);
  if (!AllOf(family.substr(0, 2), 'A', 'Z') || !AllOf(family.substr(2), '0', '9') || !AllOf(stamp, '0', '9'))
    return std::nullopt;
  return std::string(stamp);
}

}  // namespace torvane::test
