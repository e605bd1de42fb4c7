#pragma once
// Paints one cell of the information grid: the grid's own drawing (the
// background and, in the header row, the header text in the base font at
// Left + 2, Top + 2), then the cell drawing composed by StringGrid4DrawCell.

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include "browse/infogrid/InfoGridDrawing.h"
#include "browse/ui/InfoGridFonts.h"

namespace torvane {

// What the grid's own colours are for one cell.
struct InfoCellColours {
  QColor background;         // fixed-cell colour, window colour or selection colour
  QColor text;               // the grid's text colour for the cell
  QColor tooltipBackground;  // the system's tooltip background
};

// cell is the cell rectangle without its grid lines; the bottom line falls
// on the pixel row just below it.
void PaintInfoCell(QPainter& painter, const QRect& cell, const QString& gridText, const CellDrawing& drawing,
                   const InfoCellColours& colours, const InfoGridFonts& fonts);

}  // namespace torvane
