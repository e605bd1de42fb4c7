#pragma once
// THorseForm, the horse window "競走成績": one nominated horse's profile
// drawn as the information grid draws it, its other nominations in the
// store, and every race of its SE file newest first with the texts of the
// grid's past-race cells; the popup copies the races to the clipboard.

#include <QDialog>
#include <vector>

#include "browse/HorseFinder.h"
#include "browse/WorkingSet.h"
#include "platform/Paths.h"

class QAction;
class QTableWidget;

namespace torvane {

class THorseForm : public QDialog {
  Q_OBJECT

 public:
  // The horse of entry `entry` of race slot `slot` in the working set.
  THorseForm(const std::filesystem::path& programDir, const WorkingSet& workingSet, int slot, int entry,
             QWidget* parent = nullptr);

  QTableWidget* NominationGrid() const { return nominationGrid_; }
  QTableWidget* CareerGrid() const { return careerGrid_; }
  // "クリップボードへコピー"
  QAction* CopyAction() const { return copyAction_; }
  // The store files that could not be read, as they were reported.
  const std::vector<LoadWarning>& Warnings() const { return warnings_; }

 private:
  void FillNominations(const std::vector<Nomination>& nominations);
  void FillCareer();

  QTableWidget* nominationGrid_;
  QTableWidget* careerGrid_;
  QAction* copyAction_;
  std::string heading_;
  std::vector<CareerRace> career_;
  std::vector<LoadWarning> warnings_;
};

}  // namespace torvane
