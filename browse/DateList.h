#pragma once
// The date list: one entry per date file of the store, newest first.

#include <vector>

#include "jvdata/DateTime.h"
#include "platform/Paths.h"

namespace torvane {

// The days of the date files in programDir/Data, newest first. A missing or empty directory gives an empty
// list; names that are not date file names are left out. Throws
// std::filesystem::filesystem_error when the directory cannot be read.
std::vector<RaceDay> BuildDateList(const std::filesystem::path& programDir);

}  // namespace torvane
