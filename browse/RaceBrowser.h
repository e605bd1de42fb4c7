#pragma once
// The browsing state of the main window without its widgets: the chosen
// date, the race list selection, the race on show (`SelectedRace`) with its
// header labels and list grid texts, and the arrows' position. The viewer
// and the command-line tool drive it the same way.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "browse/DateLoader.h"
#include "browse/ListGrid.h"
#include "browse/RaceHeader.h"
#include "browse/WorkingSet.h"

namespace torvane {

class RaceBrowser {
 public:
  RaceBrowser(WorkingSet& workingSet, std::filesystem::path programDir);

  // Loads a CP932 date list entry. After a load no race list entry is
  // selected; the labels and the list grid keep the race shown before. When
  // the date file is missing the race list and its selection stay as they were.
  LoadResult ChooseDate(std::string_view dateText, LoadProgress& progress);

  // Shows race list entry listIndex; throws std::out_of_range naming the
  // index when the race list has no such entry.
  void ChooseRace(int listIndex);

  // Moves the arrows by delta (+1 right, -1 left) and shows the race there;
  // the shown list index, or nothing when the arrows did not move.
  std::optional<int> Step(int delta);

  // The race slot on show (0 until a race was shown).
  int SelectedRace() const { return selectedRace_; }
  // The selected race list entry, or nothing after a date load.
  std::optional<int> SelectedListIndex() const { return selectedListIndex_; }
  int ArrowPosition() const { return arrowPosition_; }
  const RaceHeaderLabels& Labels() const { return labels_; }
  const ListGridTexts& ListGrid() const { return listGrid_; }

  // The list grid's clipboard text: the chosen date, the selected race list
  // entry (an empty line when none is selected), then the grid.
  std::string ClipboardText() const;

 private:
  WorkingSet& ws_;
  std::filesystem::path programDir_;
  std::string dateLine_;  // UTF-8
  std::optional<int> selectedListIndex_;
  int selectedRace_ = 0;
  int arrowPosition_ = 0;
  RaceHeaderLabels labels_;
  ListGridTexts listGrid_;
};

}  // namespace torvane
