#pragma once
// The browsing state of the main window without its widgets: the chosen
// date, the race list selection, the race on show (`SelectedRace`) with its
// header labels and list grid texts, and the arrows' position. The viewer
// and the command-line tool drive it the same way.
//
// Only a race of the loaded date is ever on show: after a new date is loaded,
// or the date list rebuilt, the labels and the list grid are blank and the
// information grid draws nothing until a race of the date is chosen, so two
// races never mix on the screen or on the clipboard.

#include <optional>
#include <string>
#include <string_view>

#include "browse/DateLoader.h"
#include "browse/ListGrid.h"
#include "browse/RaceHeader.h"
#include "browse/WorkingSet.h"
#include "platform/Paths.h"

namespace torvane {

class RaceBrowser {
 public:
  RaceBrowser(WorkingSet& workingSet, std::filesystem::path programDir);

  // Loads a day of the date list. After a load no race list entry is
  // selected and no race is on show. When the date file is missing the race
  // list and the race on show stay as they were.
  LoadResult ChooseDate(const RaceDay& day, LoadProgress& progress);

  // The date list was rebuilt: no date is chosen, the race list is empty and
  // no race is on show.
  void ForgetDate();

  // Shows race list entry listIndex; throws std::out_of_range naming the
  // index when the race list has no such entry.
  void ChooseRace(int listIndex);

  // Moves the arrows by delta (+1 right, -1 left) and shows the race there;
  // the shown list index, or nothing when the arrows did not move.
  std::optional<int> Step(int delta);

  // The race slot last chosen (0 until a race was chosen).
  int SelectedRace() const { return selectedRace_; }
  // Whether a race of the loaded date is on show.
  bool RaceOnShow() const { return selectedListIndex_.has_value(); }
  // The selected race list entry, or nothing after a date load.
  std::optional<int> SelectedListIndex() const { return selectedListIndex_; }
  int ArrowPosition() const { return arrowPosition_; }
  const RaceHeaderLabels& Labels() const { return labels_; }
  const ListGridTexts& ListGrid() const { return listGrid_; }

  // The list grid's clipboard text: the chosen date, the race list entry on
  // show, then the grid; the date line alone while no race is on show (and
  // nothing before a date is chosen).
  std::string ClipboardText() const;

 private:
  WorkingSet& ws_;
  std::filesystem::path programDir_;
  std::string dateLine_;  // UTF-8
  void ShowNoRace();

  std::optional<int> selectedListIndex_;
  int selectedRace_ = 0;
  int arrowPosition_ = 0;
  RaceHeaderLabels labels_;
  ListGridTexts listGrid_;
};

}  // namespace torvane
