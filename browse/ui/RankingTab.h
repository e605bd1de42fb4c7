#pragma once
// The tab "賞金順": the race on show's nominees in earned-prize order
// (browse/PrizeRanking.h) under the title "収得賞金順（目安）", with the full
// gate set by up-down arrows. Horses inside the gate are marked, a tie at the
// line reads "抽選", horses outside are greyed. It draws what the core ranks;
// the gate is kept by whoever listens to GateChanged.

#include <QWidget>
#include <vector>

#include "browse/PrizeRanking.h"

class QLabel;
class QSpinBox;
class QTableWidget;

namespace torvane {

class RankingTab : public QWidget {
  Q_OBJECT

 public:
  explicit RankingTab(QWidget* parent = nullptr);

  // Shows race slot `slot` of the working set against the gate.
  void ShowRace(const WorkingSet& workingSet, int slot, int gate);
  // No race is on show: an empty table and no gate to set.
  void ShowNoRace();

  QSpinBox* GateSpin() const { return gateSpin_; }
  QTableWidget* Table() const { return table_; }
  // The TK entry index of each table row, in order.
  const std::vector<RankedNominee>& Ranked() const { return ranked_; }

 signals:
  void GateChanged(int gate);
  // A horse's row was double-clicked: its TK entry index.
  void HorseDoubleClicked(int entry);

 private:
  void Fill();

  QSpinBox* gateSpin_;
  QTableWidget* table_;
  std::vector<RankedNominee> ranked_;
};

}  // namespace torvane
