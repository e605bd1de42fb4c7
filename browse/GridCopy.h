#pragma once
// The text a string grid puts on the clipboard for a range of its cells.

#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The cells of a grid, row by row, every row columnCount cells wide.
using GridCells = std::vector<std::vector<std::string>>;

// Columns c1..c2 and rows r1..r2, both ends included.
struct GridRange {
  int c1 = 0;
  int r1 = 0;
  int c2 = 0;
  int r2 = 0;
};

// The header text and CR LF, then one line per row of the range: its cells
// separated by TABs, ending in CR LF. A range that lies wholly outside the
// grid (or is reversed) gives the empty text; one that reaches past it is cut
// to the grid.
std::string GridRangeText(const GridCells& cells, int columnCount, GridRange range, std::string_view header);

}  // namespace torvane
