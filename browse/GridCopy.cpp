#include "browse/GridCopy.h"

#include <algorithm>

namespace torvane {

std::string GridRangeText(const GridCells& cells, int columnCount, GridRange range, std::string_view header) {
  const int rowCount = static_cast<int>(cells.size());
  auto [c1, r1, c2, r2] = range;
  if (c2 < c1 || r2 < r1 || c2 < 0 || r2 < 0 || c1 >= columnCount || r1 >= rowCount) return {};
  c1 = std::max(c1, 0);
  r1 = std::max(r1, 0);
  c2 = std::min(c2, columnCount - 1);
  r2 = std::min(r2, rowCount - 1);
  std::string text(header);
  text += "\r\n";
  for (int r = r1; r <= r2; ++r) {
    for (int c = c1; c <= c2; ++c) {
      text += cells[r][c];
      text += c < c2 ? "\t" : "\r\n";
    }
  }
  return text;
}

}  // namespace torvane
