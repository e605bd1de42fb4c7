#include "browse/DateList.h"

#include <algorithm>
#include <functional>

#include "platform/FileSystem.h"
#include "store/StorePaths.h"

namespace torvane {

std::vector<RaceDay> BuildDateList(const std::filesystem::path& programDir) {
  std::vector<RaceDay> dates;
  const std::filesystem::path dataDir = programDir / kDataDirName;
  if (!platform::IsDirectory(dataDir)) return dates;
  for (const platform::DirectoryEntry& entry : platform::ListDirectory(dataDir)) {
    if (auto day = RaceDayOfFileName(entry.name)) dates.push_back(std::move(*day));
  }
  std::sort(dates.begin(), dates.end(), std::greater<>());
  return dates;
}

}  // namespace torvane
