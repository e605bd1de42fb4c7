#include "browse/ui/InfoGridCellPainter.h"

namespace torvane {
namespace {

QColor ToQColor(const Colour& colour, const InfoCellColours& cell) {
  switch (colour.role) {
    case ColourRole::GridText:
      return cell.text;
    case ColourRole::GridBackground:
      return cell.background;
    case ColourRole::TooltipBackground:
      return cell.tooltipBackground;
    case ColourRole::Explicit:
      break;
  }
  return QColor(colour.red, colour.green, colour.blue);
}

// Text with its top-left corner at `at`, drawn opaque over its extent.
void PaintText(QPainter& painter, QPoint at, const QString& text, FontSpec font, QColor colour, QSize extent,
               QColor background, const InfoGridFonts& fonts) {
  painter.fillRect(QRect(at, extent), background);
  painter.setPen(colour);
  fonts.Draw(painter, at, text, font);
}

}  // namespace

void PaintInfoCell(QPainter& painter, const QRect& cell, const QString& gridText, const CellDrawing& drawing,
                   const InfoCellColours& colours, const InfoGridFonts& fonts) {
  if (drawing.fill) {
    // The fill covers the whole cell, the grid's own drawing included.
    painter.fillRect(cell, ToQColor(*drawing.fill, colours));
  } else {
    painter.fillRect(cell, colours.background);
    if (!gridText.isEmpty()) {
      constexpr FontSpec kBase{kInfoBaseFontPoints, false};
      PaintText(painter, cell.topLeft() + QPoint(2, 2), gridText, kBase, colours.text,
                QSize(fonts.Width(gridText, kBase), fonts.Height(kBase)), colours.background, fonts);
    }
  }
  for (const CellText& text : drawing.texts) {
    PaintText(painter, cell.topLeft() + QPoint(text.x, text.y), QString::fromStdString(text.text), text.font,
              ToQColor(text.colour, colours), QSize(text.extent.width, text.extent.height),
              ToQColor(text.background, colours), fonts);
  }
  if (drawing.bottomLine) painter.fillRect(QRect(cell.left(), cell.top() + cell.height(), cell.width(), 1), Qt::black);
}

}  // namespace torvane
