#include "cli/BrowseSession.h"

#include <charconv>

#include "browse/LoadProgress.h"
#include "jvdata/DateTime.h"

namespace torvane::cli {

BrowseSession::BrowseSession(const CommandContext& context)
    : err_(context.err), workingSet_(std::make_unique<WorkingSet>()), browser_(*workingSet_, context.programDir) {}

bool BrowseSession::Load(std::string_view dateUtf8) {
  // A text that names no day names no date file either.
  const std::optional<RaceDay> day = RaceDay::FromText(dateUtf8);
  if (!day) {
    err_ << kDateNotReadyMessage << '\n';
    return false;
  }
  SilentProgress progress;
  const LoadResult result = browser_.ChooseDate(*day, progress);
  for (const LoadWarning& warning : result.warnings) err_ << "warning: " << warning.message << '\n';
  if (result.status == LoadStatus::DateFileMissing) {
    err_ << kDateNotReadyMessage << '\n';
    return false;
  }
  return true;
}

void BrowseSession::ShowRace(std::string_view number) {
  const int count = static_cast<int>(workingSet_->RaceList.size());
  int index = -1;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), index);
  if (error != std::errc() || end != number.data() + number.size() || index < 0 || index >= count)
    throw CommandError("race " + std::string(number) + " is not in the race list: it holds " + std::to_string(count) +
                       " races" + (count > 0 ? ", numbered 0 to " + std::to_string(count - 1) : std::string()));
  browser_.ChooseRace(index);
}

}  // namespace torvane::cli
