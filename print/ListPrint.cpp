#include "print/ListPrint.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace torvane {
namespace {

constexpr int kThickPen = 5;
constexpr int kThinPen = 1;

constexpr GridGeometry kGridPlace{100, 100, 2.0};
constexpr int kTitleX = 100;
constexpr int kTitleY = 30;
constexpr int kTitleFontSize = 10;
// Room for "99/99" in the title's font, its end at the grid's right edge.
constexpr int kPageNumberWidth = 90;

constexpr int kTotalWidth = std::accumulate(std::begin(kListColumnWidths), std::end(kListColumnWidths), 0);

int Trunc(double value) { return static_cast<int>(value); }

int RulePen(int index, int last) { return index == 0 || index == 1 || index == last ? kThickPen : kThinPen; }

}  // namespace

void DrawListGrid(PrintCanvas& canvas, const ListGridTexts& grid, GridGeometry geometry, int firstRow, int rowCount) {
  const double s = geometry.scale;
  // The header row, then the rows of this table.
  const int tableRows = 1 + rowCount;
  const auto gridRow = [firstRow](int tableRow) { return tableRow == 0 ? 0 : firstRow + tableRow - 1; };
  const int totalHeight = kListRowHeight * tableRows;
  canvas.SetFontSize(6);

  for (int r = 0; r <= tableRows; ++r) {
    canvas.SetPenWidth(RulePen(r, tableRows));
    const int y = Trunc(s * kListRowHeight * r);
    canvas.MoveTo(geometry.left, geometry.top + y);
    canvas.LineTo(geometry.left + Trunc(s * kTotalWidth), geometry.top + y);
  }
  int widthSoFar = 0;
  for (int c = 0; c <= kListColumnCount; ++c) {
    canvas.SetPenWidth(RulePen(c, kListColumnCount));
    const int x = Trunc(s * widthSoFar);
    canvas.MoveTo(geometry.left + x, geometry.top);
    canvas.LineTo(geometry.left + x, geometry.top + Trunc(s * totalHeight));
    if (c < kListColumnCount) widthSoFar += kListColumnWidths[c];
  }

  int x = 0;
  for (int c = 0; c < kListColumnCount; ++c) {
    int y = 0;
    for (int r = 0; r < tableRows; ++r) {
      canvas.TextOut(geometry.left + x + 5, geometry.top + y + 5, grid.Cell(c, gridRow(r)));
      y += Trunc(s * kListRowHeight);
    }
    x += Trunc(s * kListColumnWidths[c]);
  }
}

int ListRowsPerPage(int pageHeight, int top, double scale) {
  // Whole rows only: the header row and each horse row with its rule below.
  int rows = 0;
  while (top + Trunc(scale * kListRowHeight * (rows + 2)) <= pageHeight) ++rows;
  return std::max(1, rows);
}

int RecordListPrint(PrintCanvas& canvas, const ListGridTexts& grid, std::string_view dateLabel,
                    std::string_view raceNumberLabel) {
  canvas.BeginDoc();
  const int horseRows = std::max(0, grid.RowCount() - 1);
  const int perPage = ListRowsPerPage(canvas.PageHeight(), kGridPlace.top, kGridPlace.scale);
  const int pages = std::max(1, (horseRows + perPage - 1) / perPage);
  const std::string title = std::string(dateLabel) + std::string(raceNumberLabel) + "R";
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) canvas.NewPage();
    canvas.SetFontSize(kTitleFontSize);
    canvas.SetFontBold(true);
    canvas.SetFontUnderline(true);
    canvas.TextOut(kTitleX, kTitleY, title);
    canvas.SetFontBold(false);
    canvas.SetFontUnderline(false);
    // A list that fits stays the one page it always was, without a number.
    if (pages > 1) {
      const int right = kGridPlace.left + Trunc(kGridPlace.scale * kTotalWidth);
      canvas.TextOut(right - kPageNumberWidth, kTitleY, std::to_string(page) + "/" + std::to_string(pages));
    }
    const int firstRow = 1 + (page - 1) * perPage;
    DrawListGrid(canvas, grid, kGridPlace, firstRow, std::min(perPage, horseRows - (firstRow - 1)));
  }
  canvas.EndDoc();
  return pages;
}

}  // namespace torvane
