#pragma once
// StringGrid4DrawCell: what the registered horse information grid draws over
// its own drawing in each cell, read from the working set at the moment of
// drawing. The grid has no texts of its own in the data rows; row R >= 1
// shows entry R - 1 of the race on show, column C >= 5 its past race C - 5.

#include "browse/WorkingSet.h"
#include "browse/infogrid/InfoGridCanvas.h"
#include "browse/infogrid/InfoGridDrawing.h"
#include "browse/infogrid/InfoGridGeometry.h"
#include "browse/infogrid/InfoGridTextMeasure.h"

namespace torvane {

// What the drawing reads: the working set, the race slot on show
// (`SelectedRace`) and whether no race is on show (the race list is empty, or
// none of the loaded date's races has been chosen yet).
struct InfoGridSource {
  const WorkingSet& workingSet;
  int selectedRace = 0;
  bool nothingShown = true;
};

// The drawing of cell (column, row) of the given size. Nothing at all while
// no race is on show. Throws std::out_of_range for a column outside
// 0..9, a row outside 0..300 or a race slot outside 0..15.
CellDrawing StringGrid4DrawCell(const InfoGridSource& source, int column, int row, CellSize size,
                                const TextMeasure& measure);

// The size of cell (column, row) in the grid's geometry.
CellSize InfoCellSize(int column, int row);

}  // namespace torvane
