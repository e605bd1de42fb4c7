#include "browse/infogrid/InfoGrid.h"

#include <stdexcept>
#include <string>

#include "browse/infogrid/InfoGridCells.h"

namespace torvane {

CellDrawing StringGrid4DrawCell(const InfoGridSource& source, int column, int row, CellSize size,
                                const TextMeasure& measure) {
  if (column < 0 || column >= kInfoColumnCount)
    throw std::out_of_range("information grid column " + std::to_string(column) + " is not one of 0 to 9");
  if (row < 0 || row > kMaxEntries)
    throw std::out_of_range("information grid row " + std::to_string(row) + " is not one of 0 to 300");
  const int r = source.selectedRace;
  if (r < 0 || r >= kMaxRaces) throw std::out_of_range("race slot " + std::to_string(r) + " is not one of 0 to 15");

  CellDrawing drawing;
  if (source.nothingShown) return drawing;
  InfoGridCanvas canvas(size, measure, drawing);
  if (row == 0) {
    info_grid::DrawHeaderCell(canvas, column);
    return drawing;
  }

  const WorkingSet& ws = source.workingSet;
  const int h = row - 1;
  const TkRecord& tk = ws.LoadedTk[r];
  const TkEntry entry = tk.Entry(h);
  const UmRecord& um = ws.LoadedUm[r][h];
  const bool loaded = ws.EntryLoaded[r][h] != 0;
  switch (column) {
    case 0:
      canvas.BottomLine();
      break;
    case 1:
      info_grid::DrawNumberCell(canvas, entry);
      break;
    case 2:
      info_grid::DrawProfileCell(canvas, tk, entry, um, loaded);
      break;
    case 3:
      info_grid::DrawWeightCell(canvas, entry);
      break;
    case 4:
      info_grid::DrawPrizeCell(canvas, tk, um, loaded);
      break;
    default: {
      const int k = column - kInfoFirstPastRaceColumn;
      info_grid::DrawPastRaceCell(canvas, ws.LoadedSe[r][h][k], ws.LoadedRa[r][h][k], loaded);
    }
  }
  return drawing;
}

CellSize InfoCellSize(int column, int row) {
  return {kInfoColumnWidths.at(static_cast<std::size_t>(column)), InfoRowHeight(row)};
}

}  // namespace torvane
