#pragma once
// How each cell of the list grid is drawn: the background by row and
// column, the text top-aligned on one line and clipped to the cell, left
// in the name and mark columns and centred elsewhere. Selection and focus
// are not drawn.

#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>

namespace torvane {

// row 0 is the header row.
QColor ListGridCellBackground(int column, int row);
Qt::Alignment ListGridCellAlignment(int column);

// The horse rows.
class ListGridCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The header row.
class ListGridHeader : public QHeaderView {
  Q_OBJECT

 public:
  explicit ListGridHeader(QWidget* parent = nullptr);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace torvane
