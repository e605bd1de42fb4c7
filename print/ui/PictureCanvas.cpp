#include "print/ui/PictureCanvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <stdexcept>

#include "controls/ui/DesignFonts.h"

namespace torvane {
namespace {

constexpr int kPointsPerInch = 72;

QColor ToQColor(PrintColour colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

PictureCanvas::PictureCanvas(std::function<RecordingTarget()> target) : targetSource_(std::move(target)) {}

PictureCanvas::~PictureCanvas() { ClosePage(); }

void PictureCanvas::BeginDoc() {
  RecordingTarget target = targetSource_();
  ClosePage();
  pages_.clear();
  target_ = target;
  OpenPage();
}

void PictureCanvas::NewPage() {
  Painter("NewPage");
  ClosePage();
  OpenPage();
}

void PictureCanvas::EndDoc() {
  Painter("EndDoc");
  ClosePage();
}

void PictureCanvas::OpenPage() {
  pages_.emplace_back();
  painter_ = std::make_unique<QPainter>(&pages_.back());
  ResetState();
}

void PictureCanvas::ClosePage() {
  if (!painter_) return;
  painter_->end();
  painter_.reset();
  pages_.back().setBoundingRect(QRect(0, 0, target_.printer.printableWidth, target_.printer.printableHeight));
}

QPainter& PictureCanvas::Painter(const char* operation) {
  if (!painter_) throw std::logic_error(std::string(operation) + " outside a document: call BeginDoc first");
  return *painter_;
}

int PictureCanvas::PageHeight() const {
  return LogicalOfPixels(target_.printer.printableHeight, target_.printer.dpiY, mapMode_) - marginTop_;
}

int PictureCanvas::ScaleX(int x) const { return ScaleLogical(x, marginLeft_, target_.printer.dpiX, mapMode_); }

int PictureCanvas::ScaleY(int y) const { return ScaleLogical(y, marginTop_, target_.printer.dpiY, mapMode_); }

int PictureCanvas::ScalePenWidth(int w) const { return ScalePenWidthFor(w, target_.printer.dpiY, target_.screenDpi); }

QFont PictureCanvas::CurrentFont() const {
  // The surface's default face is the window face.
  QFont font(state_.face.empty() ? kPGothicFace : QString::fromStdString(state_.face));
  font.setPixelSize(
      static_cast<int>(std::lround(static_cast<double>(state_.fontSize) * target_.printer.dpiY / kPointsPerInch)));
  font.setBold(state_.bold);
  font.setUnderline(state_.underline);
  return font;
}

void PictureCanvas::ApplyPen(QPainter& painter) const {
  // As a wide solid pen of the platform's canvas: round ends and joins.
  painter.setPen(QPen(QBrush(Qt::black), ScalePenWidth(state_.penWidth), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void PictureCanvas::TextOut(int x, int y, std::string_view text) {
  QPainter& painter = Painter("TextOut");
  const QFont font = CurrentFont();
  const QFontMetricsF metrics(font);
  const QString utf16 = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QPointF topLeft(ScaleX(x), ScaleY(y));
  if (state_.brushSolid)
    painter.fillRect(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(utf16), metrics.height())),
                     ToQColor(state_.brushColour));
  painter.setFont(font);
  painter.setPen(ToQColor(state_.fontColour));
  painter.drawText(topLeft + QPointF(0, metrics.ascent()), utf16);
}

void PictureCanvas::MoveTo(int x, int y) {
  Painter("MoveTo");
  state_.penX = x;
  state_.penY = y;
}

void PictureCanvas::LineTo(int x, int y) {
  QPainter& painter = Painter("LineTo");
  ApplyPen(painter);
  painter.drawLine(ScaleX(state_.penX), ScaleY(state_.penY), ScaleX(x), ScaleY(y));
  state_.penX = x;
  state_.penY = y;
}

void PictureCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  QPainter& painter = Painter("Rectangle");
  ApplyPen(painter);
  painter.setBrush(state_.brushSolid ? QBrush(ToQColor(state_.brushColour)) : QBrush(Qt::NoBrush));
  painter.drawRect(QRectF(QPointF(ScaleX(x1), ScaleY(y1)), QPointF(ScaleX(x2), ScaleY(y2))).normalized());
}

}  // namespace torvane
