#include "browse/ui/ListGridCellPainter.h"

#include <QApplication>
#include <QPainter>

namespace torvane {

namespace {

void PaintCell(QPainter* painter, const QRect& rect, int column, int row, const QFont& font, const QString& text) {
  painter->save();
  painter->setClipRect(rect);
  painter->fillRect(rect, ListGridCellBackground(column, row));
  painter->setFont(font);
  painter->setPen(QApplication::palette().color(QPalette::WindowText));
  painter->drawText(rect, static_cast<int>(ListGridCellAlignment(column) | Qt::AlignTop | Qt::TextSingleLine), text);
  painter->restore();
}

}  // namespace

QColor ListGridCellBackground(int column, int row) {
  if (row == 0) return QColor(0, 128, 128);
  if (column == 0) return QApplication::palette().color(QPalette::ToolTipBase);
  return Qt::white;
}

Qt::Alignment ListGridCellAlignment(int column) {
  return column == 1 || column == 5 ? Qt::AlignLeft : Qt::AlignHCenter;
}

void ListGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  PaintCell(painter, option.rect, index.column(), index.row() + 1, option.font, index.data().toString());
}

ListGridHeader::ListGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(false);
  setHighlightSections(false);
  setSectionResizeMode(QHeaderView::Fixed);
}

void ListGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  // The header row is a row of the grid: same font, grid line right and below.
  const QRect cell = rect.adjusted(0, 0, -1, -1);
  PaintCell(painter, cell, logicalIndex, 0, font(),
            model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString());
  painter->save();
  painter->setPen(QApplication::palette().color(QPalette::Mid));
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  painter->restore();
}

}  // namespace torvane
