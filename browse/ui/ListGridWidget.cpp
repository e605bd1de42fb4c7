#include "browse/ui/ListGridWidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "browse/ui/ListGridCellPainter.h"
#include "browse/ui/ListGridModel.h"
#include "controls/ui/DesignFonts.h"

namespace torvane {

ListGridWidget::ListGridWidget(QWidget* parent)
    : QTableView(parent),
      model_(new ListGridModel(this)),
      copyAction_(new QAction(QStringLiteral("クリップボードへコピー"), this)) {
  setFont(DesignFont(kGothicFace, 13, true));
  setModel(model_);
  setItemDelegate(new ListGridCellDelegate(this));

  auto* header = new ListGridHeader(this);
  setHorizontalHeader(header);
  header->setFont(font());
  header->setMinimumSectionSize(0);
  header->setFixedHeight(kRowHeight + kGridLineWidth);
  for (int column = 0; column < kListColumnCount; ++column)
    header->resizeSection(column, kColumnWidths[column] + kGridLineWidth);

  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight + kGridLineWidth);

  setShowGrid(true);
  setWordWrap(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);

  copyAction_->setEnabled(false);
  addAction(copyAction_);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copyAction_, &QAction::triggered, this, &ListGridWidget::CopyToClipboard);
  // The view's rows start below the header row, which the texts count as row 0.
  connect(this, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { emit RowChosen(index.row() + 1); });

  ShowTexts(ListGridTexts{});
}

void ListGridWidget::ShowTexts(const ListGridTexts& texts) { model_->SetCells(texts.Cells()); }

int ListGridWidget::RowCount() const { return static_cast<int>(model_->Cells().size()); }

QString ListGridWidget::CellText(int column, int row) const {
  return QString::fromStdString(model_->Cells().at(row).at(column));
}

std::optional<int> ListGridWidget::SelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  return rows.front().row() + 1;
}

void ListGridWidget::SelectRow(int row) {
  selectRow(row - 1);
  scrollTo(model_->index(row - 1, 0));
}

void ListGridWidget::keyPressEvent(QKeyEvent* event) {
  const std::optional<int> row = SelectedRow();
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && row) {
    emit RowChosen(*row);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void ListGridWidget::SetCopyTextSource(std::function<std::string()> source) {
  copyTextSource_ = std::move(source);
  copyAction_->setEnabled(static_cast<bool>(copyTextSource_));
}

void ListGridWidget::CopyToClipboard() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(copyTextSource_()));
}

}  // namespace torvane
