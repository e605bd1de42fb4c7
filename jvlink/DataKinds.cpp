#include "jvlink/DataKinds.h"

#include <algorithm>
#include <array>

namespace torvane {
namespace {

constexpr std::array<std::string_view, 4> kKnownKinds{"TOKU", "DIFF", "DIFN", "RACE"};
constexpr std::size_t kKindLength = 4;

}  // namespace

std::optional<std::vector<std::string>> DataKindsOf(std::u16string_view dataSpec) {
  if (dataSpec.empty() || dataSpec.size() % kKindLength != 0) return std::nullopt;
  std::vector<std::string> kinds;
  for (std::size_t at = 0; at < dataSpec.size(); at += kKindLength) {
    std::string kind;
    for (const char16_t c : dataSpec.substr(at, kKindLength)) kind += c < 0x80 ? static_cast<char>(c) : '?';
    if (std::find(kKnownKinds.begin(), kKnownKinds.end(), kind) == kKnownKinds.end()) return std::nullopt;
    if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end()) return std::nullopt;
    kinds.push_back(std::move(kind));
  }
  return kinds;
}

std::string DeliveryKindOf(std::string_view fileName) {
  if (fileName.starts_with("DIFN")) return "DIFN";
  if (fileName.starts_with("RACE")) return "RACE";
  if (fileName.starts_with("TK")) return "TOKU";
  return "DIFF";
}

}  // namespace torvane
