#pragma once
// StringGrid1, the registered horse list: six fixed-width columns of the
// texts of browse/ListGrid.h under one teal header row, drawn cell by cell
// (the selection is never drawn), with the popup command that copies the
// list to the clipboard.

#include <QAction>
#include <QTableView>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "browse/ListGrid.h"

namespace torvane {

class ListGridModel;

class ListGridWidget : public QTableView {
  Q_OBJECT

 public:
  // Cell widths and the row height in pixels, not counting the one-pixel
  // grid line that follows each cell.
  static constexpr std::array<int, kListColumnCount> kColumnWidths{34, 190, 40, 41, 68, 65};
  static constexpr int kRowHeight = 15;
  static constexpr int kGridLineWidth = 1;

  explicit ListGridWidget(QWidget* parent = nullptr);

  // Shows the texts: row 0 as the header row, rows 1.. below it.
  void ShowTexts(const ListGridTexts& texts);

  // Counting the header row, as the texts do.
  int RowCount() const;
  QString CellText(int column, int row) const;
  // The selected horse row (1 .. RowCount() - 1), counted as RowCount() and
  // CellText() count; nothing while no row is selected.
  std::optional<int> SelectedRow() const;
  // Selects horse row `row` (1 .. RowCount() - 1) and scrolls it into view.
  void SelectRow(int row);

  // Where the popup command takes its clipboard text (UTF-8) from; without
  // one the command is disabled.
  void SetCopyTextSource(std::function<std::string()> source);
  // "クリップボードへコピー"
  QAction* CopyAction() const { return copyAction_; }

 signals:
  // A horse row (1 .. RowCount() - 1) was double-clicked, or Enter was
  // pressed on it.
  void RowChosen(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CopyToClipboard();

  ListGridModel* model_;
  QAction* copyAction_;
  std::function<std::string()> copyTextSource_;
};

}  // namespace torvane
