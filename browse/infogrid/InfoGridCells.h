#pragma once
// The cell drawings of the information grid, one function per kind of cell
// (used by InfoGrid.cpp). Positions are relative to the cell's top-left
// corner: the texts start at x0 = y0 = grid line + 1.

#include "browse/infogrid/InfoGridCanvas.h"
#include "jvdata/JVData_Structure.h"

namespace torvane::info_grid {

inline constexpr int kLine = kInfoGridLineWidth;
inline constexpr int kX0 = kLine + 1;
inline constexpr int kY0 = kLine + 1;

// Row 0, columns 0 to 9.
void DrawHeaderCell(InfoGridCanvas& canvas, int column);

// Data rows: entry `entry` of race `tk` with its horse master `um`; loaded
// is the entry's EntryLoaded flag.
void DrawNumberCell(InfoGridCanvas& canvas, const TkEntry& entry);
void DrawProfileCell(InfoGridCanvas& canvas, const TkRecord& tk, const TkEntry& entry, const UmRecord& um, bool loaded);
void DrawWeightCell(InfoGridCanvas& canvas, const TkEntry& entry);
void DrawPrizeCell(InfoGridCanvas& canvas, const TkRecord& tk, const UmRecord& um, bool loaded);
void DrawPastRaceCell(InfoGridCanvas& canvas, const SeRecord& se, const RaRecord& ra, bool loaded);

}  // namespace torvane::info_grid
