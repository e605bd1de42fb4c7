#include "browse/DateList.h"

#include <algorithm>
#include <functional>

#include "platform/Paths.h"
#include "store/StorePaths.h"

namespace torvane {

std::vector<RaceDay> BuildDateList(const std::filesystem::path& programDir) {
  std::vector<RaceDay> dates;
  const std::filesystem::path dataDir = programDir / kDataDirName;
  if (!std::filesystem::is_directory(dataDir)) return dates;
  for (const auto& entry : std::filesystem::directory_iterator(dataDir)) {
    if (auto day = RaceDayOfFileName(platform::Utf8OfPath(entry.path().filename()))) dates.push_back(std::move(*day));
  }
  std::sort(dates.begin(), dates.end(), std::greater<>());
  return dates;
}

}  // namespace torvane
