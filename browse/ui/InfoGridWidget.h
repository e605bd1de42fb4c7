#pragma once
// StringGrid4, the registered horse information grid of the tab "登録馬情報":
// a header row over one 70-pixel row per nominated horse, columns 0 to 4
// fixed while the five past-race columns scroll sideways, whole rows
// selected by click or arrow keys. It holds no texts: every visible cell is
// drawn from the working set at paint time (StringGrid4DrawCell), for the
// race slot on show; with no race on show it draws nothing.

#include <QAbstractScrollArea>
#include <functional>
#include <optional>

#include "browse/WorkingSet.h"
#include "browse/infogrid/InfoGrid.h"
#include "browse/ui/InfoGridFonts.h"

namespace torvane {

class InfoGridWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // raceOnShow gives `SelectedRace`, the race slot on show (0..15), or
  // nothing while no race is on show.
  using RaceOnShow = std::function<std::optional<int>()>;
  InfoGridWidget(const WorkingSet& workingSet, RaceOnShow raceOnShow, QWidget* parent = nullptr);

  // A race was chosen: for a race with registered horses the grid gets one
  // row per horse below the header row (a race without keeps the row count);
  // no row is selected and the grid scrolls back to its first row.
  void RaceShown();
  // No race is on show any more: the grid is down to its header row and one
  // empty row.
  void RaceGone();

  // Counting the header row.
  int RowCount() const { return rowCount_; }
  std::optional<int> SelectedRow() const { return selectedRow_; }
  // Selects a data row (1 .. RowCount() - 1) and scrolls it into view;
  // throws std::out_of_range for any other row.
  void SelectRow(int row);

  // The cell rectangle in viewport coordinates, grid lines excluded, as the
  // grid is scrolled now (it may lie outside the viewport).
  QRect CellRect(int column, int row) const;

  QSize sizeHint() const override;

 signals:
  // A data row (1 .. RowCount() - 1) was double-clicked, or Enter was
  // pressed on it.
  void RowChosen(int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void PaintRow(QPainter& painter, const QRect& exposed, const InfoGridSource& source, int row);
  void UpdateScrollBars();
  void ScrollIntoView(int row);
  std::optional<int> RowAt(int viewportY) const;
  int VisibleDataRows() const;

  const WorkingSet& ws_;
  RaceOnShow raceOnShow_;
  int rowCount_ = 2;
  std::optional<int> selectedRow_;
  InfoGridFonts fonts_;
};

}  // namespace torvane
