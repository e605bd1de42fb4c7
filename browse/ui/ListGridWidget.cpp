#include "browse/ui/ListGridWidget.h"

#include <QClipboard>
#include <QGuiApplication>

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

  ShowTexts(ListGridTexts{});
}

void ListGridWidget::ShowTexts(const ListGridTexts& texts) { model_->SetCells(texts.Cells()); }

int ListGridWidget::RowCount() const { return static_cast<int>(model_->Cells().size()); }

QString ListGridWidget::CellText(int column, int row) const {
  return QString::fromStdString(model_->Cells().at(row).at(column));
}

void ListGridWidget::SetCopyTextSource(std::function<std::string()> source) {
  copyTextSource_ = std::move(source);
  copyAction_->setEnabled(static_cast<bool>(copyTextSource_));
}

void ListGridWidget::CopyToClipboard() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(copyTextSource_()));
}

}  // namespace torvane
