#include "racetext/StrictInteger.h"

#include <charconv>

#include "codes/KeibaFunc.h"
#include "jvdata/PlainText.h"

namespace torvane {

std::optional<std::int64_t> StrictInteger(std::string_view field) {
  std::string_view digits = TrimBlanks(field);
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace torvane
