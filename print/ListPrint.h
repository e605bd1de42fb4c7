#pragma once
// The registered horse list print (`N8Click`): a title line and a ruled copy
// of the list grid, cell by cell, on one page.

#include <string_view>

#include "browse/ListGrid.h"
#include "print/PrintCanvas.h"

namespace torvane {

// The list grid's column widths and row height in screen pixels.
inline constexpr int kListColumnWidths[kListColumnCount] = {34, 190, 40, 41, 68, 65};
inline constexpr int kListRowHeight = 15;

struct GridGeometry {
  int left = 0;
  int top = 0;
  double scale = 1.0;  // logical units per grid pixel
};

// Rules and cell texts of the grid, ruled thick around it, under the first
// row and right of the first column, thin elsewhere.
void DrawListGrid(PrintCanvas& canvas, const ListGridTexts& grid, GridGeometry geometry);

// The whole document: BeginDoc, the title (the race date label, the race
// number label and "R"), the grid at 100,100 scaled 2.0, EndDoc.
void RecordListPrint(PrintCanvas& canvas, const ListGridTexts& grid, std::string_view dateLabel,
                     std::string_view raceNumberLabel);

}  // namespace torvane
