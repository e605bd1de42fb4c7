#pragma once
// The date and race index of the main window: fills DateCombo from the
// store, loads the chosen date through the progress popup, fills DatList,
// and shows the chosen race (header labels, list grid, page control), also
// when stepped to with the arrows. It connects itself to the widgets it is
// given; the main window only asks it to rebuild the date list.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "browse/LoadProgress.h"
#include "browse/RaceBrowser.h"
#include "controls/ui/UpDown.h"
#include "platform/Paths.h"

class QComboBox;
class QListWidget;
class QTabWidget;

namespace torvane {

class InfoGridWidget;
class ListGridWidget;
class TRaceHeaderPanel;

struct RaceNavigatorWidgets {
  QWidget* window = nullptr;  // the main window: parent of the messages, re-enabled once a race shows
  QComboBox* dateCombo = nullptr;
  QListWidget* datList = nullptr;
  TRaceHeaderPanel* header = nullptr;
  TUpDown* arrows = nullptr;
  QTabWidget* pageControl = nullptr;
  ListGridWidget* listGrid = nullptr;
  InfoGridWidget* infoGrid = nullptr;  // may be null
  QWidget* leftPanel = nullptr;
  // The option "読込後、ﾃﾞｰﾀﾘｽﾄを消す".
  std::function<bool()> hideLeftPanelAfterChoice;
};

class RaceNavigator : public QObject {
  Q_OBJECT

 public:
  RaceNavigator(RaceNavigatorWidgets widgets, WorkingSet& workingSet, std::filesystem::path programDir,
                LoadProgress& progress, QObject* parent = nullptr);

  // Rescans the date files: the date list with no entry selected, the race
  // list empty. A store directory that cannot be read is reported.
  void RebuildDateList();

  void DateComboChange();
  void DatListClick();
  void UpDown1Click(TUpDown::TUDBtnType button);

  const RaceBrowser& Browser() const { return browser_; }

  // Loads the day, shows the race of the slot and
  // selects the entry's row in both grids; false when the store has no such
  // date or the date no such race.
  bool ShowNomination(const RaceDay& day, int slot, int entry);

 signals:
  // A race was chosen and shown.
  void RaceShown();
  // No race is on show any more (another date was loaded, or the date list
  // rebuilt): views of the former race are cleared.
  void RaceGone();

 private:
  void FillRaceList();
  void ShowChosenRace();
  // Header labels and list grid blank, information grid empty.
  void ShowNoRace();
  void ShowHeaderLabels();
  void Inform(const QString& text);

  RaceNavigatorWidgets w_;
  const WorkingSet& ws_;
  std::filesystem::path programDir_;
  LoadProgress& progress_;
  RaceBrowser browser_;
  std::vector<RaceDay> dates_;  // in DateCombo's order
  bool loading_ = false;
};

}  // namespace torvane
