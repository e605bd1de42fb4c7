#include "browse/DateList.h"

#include <algorithm>
#include <functional>

#include "platform/Paths.h"
#include "store/StorePaths.h"

namespace torvane {

std::vector<std::string> BuildDateList(const std::filesystem::path& programDir) {
  std::vector<std::string> dates;
  const std::filesystem::path dataDir = programDir / kDataDirName;
  if (!std::filesystem::is_directory(dataDir)) return dates;
  for (const auto& entry : std::filesystem::directory_iterator(dataDir)) {
    std::string date = DateTextOfFileName(platform::Utf8OfPath(entry.path().filename()));
    if (!date.empty()) dates.push_back(std::move(date));
  }
  // The texts start with the year, month and day in fixed-width digits, so
  // descending text order is newest first.
  std::sort(dates.begin(), dates.end(), std::greater<>());
  return dates;
}

}  // namespace torvane
