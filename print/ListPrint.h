#pragma once
// The registered horse list print (`N8Click`): a title line and a ruled copy
// of the list grid, cell by cell, on one page. A list too long for the page
// goes on over further pages, each with the title, the column heads and its
// page number ("1/4"), so that no horse is left out.

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

// The grid's header row (row 0) over its rows firstRow .. firstRow +
// rowCount - 1, as one table: rules and cell texts, ruled thick around it,
// under the header row and right of the first column, thin elsewhere.
void DrawListGrid(PrintCanvas& canvas, const ListGridTexts& grid, GridGeometry geometry, int firstRow, int rowCount);

// The horse rows a page holds below the header row when the table starts
// at `top` on a page `pageHeight` high (at least one).
int ListRowsPerPage(int pageHeight, int top, double scale);

// The whole document: BeginDoc, the title (the race date label, the race
// number label and "R"), the grid at 100,100 scaled 2.0, EndDoc; as many
// pages as the canvas's PageHeight() needs for the rows. The page count.
int RecordListPrint(PrintCanvas& canvas, const ListGridTexts& grid, std::string_view dateLabel,
                    std::string_view raceNumberLabel);

}  // namespace torvane
