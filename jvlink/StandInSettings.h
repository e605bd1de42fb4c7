#pragma once
// The stand-in's own settings, kept in "jvlink-standin.ini" in the program
// directory, section "JVLink":
//   ServiceKey     the service key; a missing key means the trial key, an
//                  empty one (a cleared key) makes JVOpen answer -303
//   DeliveryFolder where the "service" delivers its files; default "deliveries"
//   CacheFolder    where fetched files are kept; default "jvlink-cache"
//   DownloadPace   milliseconds spent on fetching each file; default 250
// Relative folders are taken from the program directory, so a fresh program
// serves the demo delivery that run.sh makes in PROGRAMDIR/deliveries.

#include <string>
#include <string_view>

#include "platform/Paths.h"

namespace torvane {

inline constexpr std::string_view kStandInSettingsName = "jvlink-standin";  // + ".ini"
inline constexpr std::string_view kTrialServiceKey = "TORVANE-TRIAL-KEY";
inline constexpr std::string_view kDefaultDeliveryFolder = "deliveries";
inline constexpr std::string_view kDefaultCacheFolder = "jvlink-cache";
inline constexpr int kDefaultDownloadPaceMs = 250;
// The acquisition gives up on a download that makes no progress for a
// minute: the slowest pace leaves the copy itself ample time within that.
inline constexpr int kMaxDownloadPaceMs = 30000;

struct StandInSettings {
  std::string serviceKey;                // UTF-8; empty = no service key
  std::filesystem::path deliveryFolder;  // as stored; see ResolvedFolder
  std::filesystem::path cacheFolder;
  int downloadPaceMs = kDefaultDownloadPaceMs;
};

// The settings of the program directory; missing keys (or a missing file)
// give the defaults above, a pace that is not a number from zero to
// kMaxDownloadPaceMs too.
StandInSettings LoadStandInSettings(const std::filesystem::path& programDir);

// Writes all four settings; throws std::runtime_error naming the file when it
// cannot be written.
void SaveStandInSettings(const std::filesystem::path& programDir, const StandInSettings& settings);

// A stored folder as a path to use: a relative one is under the program directory.
std::filesystem::path ResolvedFolder(const std::filesystem::path& programDir, const std::filesystem::path& folder);

}  // namespace torvane
