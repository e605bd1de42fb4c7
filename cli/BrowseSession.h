#pragma once
// What the browse commands (races, header, list) share: one working set, a
// date loaded from its command-line form, and a race chosen by its race list
// index.

#include <memory>
#include <ostream>
#include <string_view>

#include "browse/RaceBrowser.h"
#include "browse/WorkingSet.h"
#include "cli/CommandRegistry.h"

namespace torvane::cli {

// The exit status of a command whose date has no date file.
inline constexpr int kDateNotReadyStatus = 1;

class BrowseSession {
 public:
  explicit BrowseSession(const CommandContext& context);

  // Loads a UTF-8 date ("2003年04月06日"). Files that could not be read are
  // listed on err. False, with the not-ready message on err, when the date
  // has no date file.
  bool Load(std::string_view dateUtf8);
  // Shows the race list entry whose 0-based index is the text number; throws
  // CommandError when it is not an index of the race list.
  void ShowRace(std::string_view number);

  const WorkingSet& Working() const { return *workingSet_; }
  const RaceBrowser& Browser() const { return browser_; }

 private:
  std::ostream& err_;
  std::unique_ptr<WorkingSet> workingSet_;
  RaceBrowser browser_;
};

}  // namespace torvane::cli
