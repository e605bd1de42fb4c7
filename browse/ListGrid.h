#pragma once
// The texts of the registered horse list (StringGrid1): a header row and one
// row per nominated horse of the race on show, and its clipboard copy.
//
// The texts stay as they are until the next race is shown: after a new date
// is loaded the grid still holds the previous race.

#include <array>
#include <string>
#include <string_view>

#include "browse/GridCopy.h"
#include "jvdata/JVData_Structure.h"

namespace torvane {

inline constexpr int kListColumnCount = 6;
inline constexpr std::array<std::string_view, kListColumnCount> kListHeaders{"No.",  "馬名",   "性齢",
                                                                             "斤量", "調教師", "馬記号"};

// The six cell texts of entry h of a TK record: running number, name, sex and
// age, burden weight, trainer, horse mark.
std::array<std::string, kListColumnCount> ListRowCells(const TkRecord& tk, int h);

class ListGridTexts {
 public:
  // The header row and one empty row, as the grid starts.
  ListGridTexts();

  int RowCount() const { return static_cast<int>(rows_.size()); }
  const std::string& Cell(int column, int row) const { return rows_.at(row).at(column); }
  const GridCells& Cells() const { return rows_; }

  // Empties every row but the header; for a race with n > 0 registered
  // horses the grid then has n + 1 rows, rows 1..n filled from its entries.
  // A race with no horses keeps the former row count.
  void ShowRace(const TkRecord& tk);

  // The clipboard text of the whole grid, headed by the date line and the
  // race line (empty when no race list entry is selected).
  std::string CopyText(std::string_view dateLine, std::string_view raceLine) const;

 private:
  GridCells rows_;
};

}  // namespace torvane
