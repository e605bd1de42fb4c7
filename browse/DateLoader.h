#pragma once
// Loads one date of the local store into the working set: the date's TK
// records (at most 16), and for each registered horse (at most 300 a race)
// its horse master, its last five results before the race date and the race
// details of those five races. Also rebuilds the working set's race list.

#include <string_view>

#include "browse/LoadProgress.h"
#include "browse/LoadResult.h"
#include "browse/WorkingSet.h"
#include "jvdata/DateTime.h"
#include "platform/Paths.h"

namespace torvane {

// A missing date file gives LoadStatus::DateFileMissing and leaves
// the records and the race list as they were, with every entry flag cleared.
// Files that exist but cannot be read leave their elements blank and are
// listed in the result's warnings; the load goes on. The progress is opened
// at the start and closed at the end, also when the load fails.
LoadResult LoadDate(WorkingSet& workingSet, const std::filesystem::path& programDir, const RaceDay& day,
                    LoadProgress& progress);

}  // namespace torvane
