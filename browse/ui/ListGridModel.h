#pragma once
// The list grid's texts as a Qt model: row 0 of the texts is the header,
// the others are the rows of the view.

#include <QAbstractTableModel>

#include "browse/GridCopy.h"

namespace torvane {

class ListGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetCells(GridCells cells);
  const GridCells& Cells() const { return cells_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  GridCells cells_;
};

}  // namespace torvane
