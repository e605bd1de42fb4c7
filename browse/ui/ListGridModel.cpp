#include "browse/ui/ListGridModel.h"

#include "browse/ListGrid.h"

namespace torvane {

void ListGridModel::SetCells(GridCells cells) {
  beginResetModel();
  cells_ = std::move(cells);
  endResetModel();
}

int ListGridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || cells_.empty()) return 0;
  return static_cast<int>(cells_.size()) - 1;
}

int ListGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kListColumnCount; }

QVariant ListGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return QString::fromStdString(cells_.at(index.row() + 1).at(index.column()));
}

QVariant ListGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || cells_.empty()) return {};
  return QString::fromStdString(cells_.front().at(section));
}

}  // namespace torvane
