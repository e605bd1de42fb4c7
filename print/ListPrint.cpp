#include "print/ListPrint.h"

#include <numeric>
#include <string>

namespace torvane {
namespace {

constexpr int kThickPen = 5;
constexpr int kThinPen = 1;

int Trunc(double value) { return static_cast<int>(value); }

int RulePen(int index, int last) { return index == 0 || index == 1 || index == last ? kThickPen : kThinPen; }

}  // namespace

void DrawListGrid(PrintCanvas& canvas, const ListGridTexts& grid, GridGeometry geometry) {
  const double s = geometry.scale;
  const int rowCount = grid.RowCount();
  const int totalWidth = std::accumulate(std::begin(kListColumnWidths), std::end(kListColumnWidths), 0);
  const int totalHeight = kListRowHeight * rowCount;
  canvas.SetFontSize(6);

  for (int r = 0; r <= rowCount; ++r) {
    canvas.SetPenWidth(RulePen(r, rowCount));
    const int y = Trunc(s * kListRowHeight * r);
    canvas.MoveTo(geometry.left, geometry.top + y);
    canvas.LineTo(geometry.left + Trunc(s * totalWidth), geometry.top + y);
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
    for (int r = 0; r < rowCount; ++r) {
      canvas.TextOut(geometry.left + x + 5, geometry.top + y + 5, grid.Cell(c, r));
      y += Trunc(s * kListRowHeight);
    }
    x += Trunc(s * kListColumnWidths[c]);
  }
}

void RecordListPrint(PrintCanvas& canvas, const ListGridTexts& grid, std::string_view dateLabel,
                     std::string_view raceNumberLabel) {
  canvas.BeginDoc();
  canvas.SetFontSize(10);
  canvas.SetFontBold(true);
  canvas.SetFontUnderline(true);
  canvas.TextOut(100, 30, std::string(dateLabel) + std::string(raceNumberLabel) + "R");
  canvas.SetFontBold(false);
  canvas.SetFontUnderline(false);
  DrawListGrid(canvas, grid, {100, 100, 2.0});
  canvas.EndDoc();
}

}  // namespace torvane
