#include "jvlink/DeliveryFolder.h"

#include <algorithm>

#include "jvdata/DateTime.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torvane {

std::optional<std::string> DeliveryStamp(std::string_view fileName) {
  constexpr std::string_view kExtension = ".jvd";
  constexpr std::size_t kStampLength = 14;
  constexpr std::size_t kTailLength = 1 + kStampLength + kExtension.size();  // "_" stamp ".jvd"
  if (fileName.size() < kTailLength || !fileName.ends_with(kExtension)) return std::nullopt;
  const std::size_t tail = fileName.size() - kTailLength;
  if (fileName[tail] != '_') return std::nullopt;
  const std::string_view stamp = fileName.substr(tail + 1, kStampLength);
  if (!FromDigits14(stamp)) return std::nullopt;
  return std::string(stamp);
}

std::vector<DeliveryEntry> DeliveriesAfter(const std::filesystem::path& folder, std::string_view fromStamp) {
  std::vector<DeliveryEntry> selected;
  for (platform::DirectoryEntry& entry : platform::ListDirectory(folder)) {
    if (!entry.isRegularFile) continue;
    std::string name = std::move(entry.name);
    auto stamp = DeliveryStamp(name);
    if (stamp && *stamp > fromStamp) selected.push_back({std::move(name), std::move(*stamp)});
  }
  std::sort(selected.begin(), selected.end(), [](const DeliveryEntry& a, const DeliveryEntry& b) {
    return a.stamp != b.stamp ? a.stamp < b.stamp : a.name < b.name;
  });
  return selected;
}

}  // namespace torvane
