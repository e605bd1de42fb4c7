#pragma once
// The shape of the registered horse information grid (StringGrid4): one
// header row over one tall row per nominated horse; the number, profile,
// weight and prize columns stay in place while the five past-race columns
// scroll sideways.

#include <array>
#include <cstddef>
#include <string_view>

namespace torvane {

inline constexpr int kInfoColumnCount = 10;
inline constexpr int kInfoFixedColumnCount = 5;  // columns 0..4 do not scroll sideways
inline constexpr int kInfoFirstPastRaceColumn = 5;

// Cell widths and heights in pixels, not counting the grid line after each cell.
inline constexpr std::array<int, kInfoColumnCount> kInfoColumnWidths{5, 30, 270, 60, 80, 140, 140, 140, 140, 140};
inline constexpr int kInfoHeaderRowHeight = 60;
inline constexpr int kInfoDataRowHeight = 70;
inline constexpr int kInfoGridLineWidth = 1;

// The grid's base font: "ＭＳ ゴシック" at this size, regular.
inline constexpr int kInfoBaseFontPoints = 9;

// What the grid itself writes into the header row (at Left + 2, Top + 2 in
// the base font) before the cell drawing paints over it.
inline constexpr std::array<std::string_view, kInfoColumnCount> kInfoHeaderTexts{
    "", "馬", "馬名", "騎手", "賞金", "前1走", "前2走", "前3走", "前4走", "前5走"};

inline constexpr int InfoRowHeight(int row) { return row == 0 ? kInfoHeaderRowHeight : kInfoDataRowHeight; }

// The left edge of a column and the top edge of a row in the unscrolled
// grid, every cell followed by its grid line.
inline constexpr int InfoColumnLeft(int column) {
  int left = 0;
  for (int c = 0; c < column; ++c) left += kInfoColumnWidths[static_cast<std::size_t>(c)] + kInfoGridLineWidth;
  return left;
}
inline constexpr int InfoRowTop(int row) {
  return row == 0 ? 0
                  : kInfoHeaderRowHeight + kInfoGridLineWidth + (row - 1) * (kInfoDataRowHeight + kInfoGridLineWidth);
}

// The part that never scrolls sideways (columns 0..4) and the part that
// never scrolls up and down (row 0), grid lines included.
inline constexpr int kInfoFixedWidth = InfoColumnLeft(kInfoFixedColumnCount);
inline constexpr int kInfoFixedHeight = InfoRowTop(1);
inline constexpr int kInfoTotalWidth = InfoColumnLeft(kInfoColumnCount);

}  // namespace torvane
