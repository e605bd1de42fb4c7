#include <stdexcept>

#include "platform/Clock.h"

namespace torvane::platform {

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr) throw std::runtime_error("cannot read the local time");
  return local;
}

}  // namespace torvane::platform
