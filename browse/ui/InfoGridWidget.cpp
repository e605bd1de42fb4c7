#include "browse/ui/InfoGridWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "browse/infogrid/InfoGrid.h"
#include "browse/ui/InfoGridCellPainter.h"

namespace torvane {
namespace {

constexpr int kRowPitch = kInfoDataRowHeight + kInfoGridLineWidth;
constexpr int kPastRacePitch = kInfoColumnWidths[kInfoFirstPastRaceColumn] + kInfoGridLineWidth;
const QColor kGridLineColour(160, 160, 160);
constexpr int kSelectionTintAlpha = 64;

bool IsFixedCell(int column, int row) { return row == 0 || column < kInfoFixedColumnCount; }

const QString& HeaderText(int column) {
  static const std::array<QString, kInfoColumnCount> texts = [] {
    std::array<QString, kInfoColumnCount> converted;
    for (std::size_t c = 0; c < converted.size(); ++c)
      converted[c] = QString::fromUtf8(kInfoHeaderTexts[c].data(), static_cast<qsizetype>(kInfoHeaderTexts[c].size()));
    return converted;
  }();
  return texts.at(static_cast<std::size_t>(column));
}

}  // namespace

InfoGridWidget::InfoGridWidget(const WorkingSet& workingSet, RaceOnShow raceOnShow, QWidget* parent)
    : QAbstractScrollArea(parent), ws_(workingSet), raceOnShow_(std::move(raceOnShow)) {
  setObjectName(QStringLiteral("StringGrid4"));
  setFocusPolicy(Qt::StrongFocus);
  setFont(fonts_.Font({kInfoBaseFontPoints, false}));
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  UpdateScrollBars();
}

void InfoGridWidget::RaceShown() {
  const std::optional<int> race = raceOnShow_();
  if (!race) throw std::logic_error("the information grid was told of a race while none is on show");
  const int count = RegisteredCount(ws_.LoadedTk.at(static_cast<std::size_t>(*race)));
  if (count > 0) rowCount_ = count + 1;
  selectedRow_.reset();
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

void InfoGridWidget::RaceGone() {
  rowCount_ = 2;
  selectedRow_.reset();
  UpdateScrollBars();
  viewport()->update();
}

void InfoGridWidget::SelectRow(int row) {
  if (row < 1 || row >= rowCount_)
    throw std::out_of_range("row " + std::to_string(row) + " is no horse row of the information grid (1 to " +
                            std::to_string(rowCount_ - 1) + ")");
  selectedRow_ = row;
  ScrollIntoView(row);
  viewport()->update();
}

QRect InfoGridWidget::CellRect(int column, int row) const {
  int left = InfoColumnLeft(column);
  if (column >= kInfoFixedColumnCount) left -= horizontalScrollBar()->value();
  int top = InfoRowTop(row);
  if (row > 0) top -= verticalScrollBar()->value();
  return QRect(left, top, kInfoColumnWidths.at(static_cast<std::size_t>(column)), InfoRowHeight(row));
}

QSize InfoGridWidget::sizeHint() const {
  const int frame = 2 * frameWidth();
  return QSize(kInfoTotalWidth + frame + verticalScrollBar()->sizeHint().width(),
               InfoRowTop(6) + frame + horizontalScrollBar()->sizeHint().height());
}

void InfoGridWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect exposed = event->rect();
  painter.fillRect(exposed, kGridLineColour);
  const std::optional<int> race = raceOnShow_();
  const InfoGridSource source{ws_, race.value_or(0), !race};
  PaintRow(painter, exposed, source, 0);
  const int firstDataRow = 1 + verticalScrollBar()->value() / kRowPitch;
  const int lastDataRow = std::min(rowCount_ - 1, firstDataRow + VisibleDataRows());
  for (int row = firstDataRow; row <= lastDataRow; ++row) PaintRow(painter, exposed, source, row);
}

void InfoGridWidget::PaintRow(QPainter& painter, const QRect& exposed, const InfoGridSource& source, int row) {
  const QRect area = viewport()->rect();
  const QRect rows = row == 0 ? QRect(0, 0, area.width(), kInfoFixedHeight)
                              : QRect(0, kInfoFixedHeight, area.width(), area.height() - kInfoFixedHeight);
  const QRect fixedPane = rows & QRect(0, 0, kInfoFixedWidth, area.height());
  const QRect scrollingPane = rows & QRect(kInfoFixedWidth, 0, area.width() - kInfoFixedWidth, area.height());

  const QPalette& colours = palette();
  InfoCellColours cellColours;
  cellColours.text = colours.color(QPalette::Text);
  cellColours.tooltipBackground = colours.color(QPalette::ToolTipBase);

  for (int column = 0; column < kInfoColumnCount; ++column) {
    const QRect cell = CellRect(column, row);
    // The cell and the grid line below it, which its bottom line covers.
    const QRect clip = cell.adjusted(0, 0, 0, kInfoGridLineWidth) &
                       (column < kInfoFixedColumnCount ? fixedPane : scrollingPane) & exposed;
    if (clip.isEmpty()) continue;
    painter.setClipRect(clip);
    cellColours.background = colours.color(IsFixedCell(column, row) ? QPalette::Button : QPalette::Base);
    const CellDrawing drawing = StringGrid4DrawCell(source, column, row, {cell.width(), cell.height()}, fonts_);
    PaintInfoCell(painter, cell, row == 0 ? HeaderText(column) : QString(), drawing, cellColours, fonts_);
  }
  // The selected row is drawn as any other, then tinted as a whole: every
  // cell looks selected alike and every text keeps its colour.
  if (selectedRow_ == row) {
    QColor tint = colours.color(QPalette::Highlight);
    tint.setAlpha(kSelectionTintAlpha);
    painter.setClipRect(rows & exposed);
    painter.fillRect(QRect(0, CellRect(0, row).top(), area.width(), InfoRowHeight(row)), tint);
  }
}

void InfoGridWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void InfoGridWidget::mousePressEvent(QMouseEvent* event) {
  const std::optional<int> row = RowAt(event->position().toPoint().y());
  // The right button selects too: the popup's commands act on the selected row.
  if ((event->button() == Qt::LeftButton || event->button() == Qt::RightButton) && row && *row > 0) SelectRow(*row);
  QAbstractScrollArea::mousePressEvent(event);
}

void InfoGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const std::optional<int> row = RowAt(event->position().toPoint().y());
  if (event->button() == Qt::LeftButton && row && *row > 0) emit RowChosen(*row);
  QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void InfoGridWidget::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedRow_) {
    emit RowChosen(*selectedRow_);
    event->accept();
    return;
  }
  const int current = selectedRow_.value_or(0);
  const int page = std::max(1, VisibleDataRows() - 1);
  int target = current;
  switch (event->key()) {
    case Qt::Key_Down:
      target = current + 1;
      break;
    case Qt::Key_Up:
      target = current - 1;
      break;
    case Qt::Key_PageDown:
      target = current + page;
      break;
    case Qt::Key_PageUp:
      target = current - page;
      break;
    case Qt::Key_Home:
      target = 1;
      break;
    case Qt::Key_End:
      target = rowCount_ - 1;
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  if (rowCount_ > 1) SelectRow(std::clamp(target, 1, rowCount_ - 1));
  event->accept();
}

void InfoGridWidget::scrollContentsBy(int, int) { viewport()->update(); }

void InfoGridWidget::UpdateScrollBars() {
  const QSize area = viewport()->size();
  const int dataHeight = std::max(0, area.height() - kInfoFixedHeight);
  QScrollBar* vertical = verticalScrollBar();
  vertical->setRange(0, std::max(0, (rowCount_ - 1) * kRowPitch - dataHeight));
  vertical->setPageStep(std::max(kRowPitch, dataHeight));
  vertical->setSingleStep(kRowPitch);
  QScrollBar* horizontal = horizontalScrollBar();
  horizontal->setRange(0, std::max(0, kInfoTotalWidth - area.width()));
  horizontal->setPageStep(std::max(kPastRacePitch, area.width() - kInfoFixedWidth));
  horizontal->setSingleStep(kPastRacePitch);
}

void InfoGridWidget::ScrollIntoView(int row) {
  QScrollBar* vertical = verticalScrollBar();
  const int top = InfoRowTop(row) - kInfoFixedHeight;
  const int dataHeight = std::max(0, viewport()->height() - kInfoFixedHeight);
  if (top < vertical->value())
    vertical->setValue(top);
  else if (top + kRowPitch > vertical->value() + dataHeight)
    vertical->setValue(top + kRowPitch - dataHeight);
}

std::optional<int> InfoGridWidget::RowAt(int viewportY) const {
  if (viewportY < kInfoFixedHeight) return std::nullopt;
  const int row = 1 + (viewportY - kInfoFixedHeight + verticalScrollBar()->value()) / kRowPitch;
  if (row >= rowCount_) return std::nullopt;
  return row;
}

int InfoGridWidget::VisibleDataRows() const {
  return std::max(0, viewport()->height() - kInfoFixedHeight) / kRowPitch + 1;
}

}  // namespace torvane
