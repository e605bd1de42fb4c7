#include "print/ui/PrevX.h"

#include <QPainter>
#include <stdexcept>

#include "print/ui/PageOutput.h"
#include "print/ui/PrevError.h"

namespace torvane {
namespace {

// The sheet stands this far from the control's edges.
constexpr int kSheetMargin = 10;

}  // namespace

TPrevX::TPrevX(TPrinters& printers, QWidget* parent)
    : QWidget(parent),
      PictureCanvas([this] {
        UpdateLayout();
        return RecordingTarget{printer_, logicalDpiY()};
      }),
      printers_(printers) {
  Relayout();
}

void TPrevX::BeginDoc() {
  PictureCanvas::BeginDoc();
  currentPage_ = 1;
  printFrom_ = kPrintFromDefault;
  printTo_ = kPrintToDefault;
}

void TPrevX::NewPage() {
  CheckPrinter();
  PictureCanvas::NewPage();
}

void TPrevX::EndDoc() {
  PictureCanvas::EndDoc();
  update();
}

void TPrevX::RequireRecordedDocument(const char* operation) const {
  if (Recording() || PageCount() == 0)
    throw std::logic_error(std::string(operation) + " needs a recorded document: BeginDoc, drawing, EndDoc");
}

bool TPrevX::Print() {
  CheckPrinter();
  RequireRecordedDocument("Print");
  if (printers_.CurrentIsPdfPrinter()) {
    const QString fileName = ChoosePdfFile(printers_, window(), pdfOffer_);
    if (fileName.isEmpty()) return false;
    SavePdf(fileName);
    return true;
  }
  UpdateLayout();
  const PrinterMetrics& recorded = Target().printer;
  const QSizeF scale(static_cast<double>(printer_.printableWidth) / recorded.printableWidth,
                     static_cast<double>(printer_.printableHeight) / recorded.printableHeight);
  QPrinter& printer = *printers_.CurrentCupsPrinter();
  printer.setDocName(title_);
  PlayPages(printer, Pages(), printFrom_, printTo_, scale);
  return true;
}

void TPrevX::SavePdf(const QString& fileName) const {
  RequireRecordedDocument("SavePdf");
  WritePdf(fileName, Pages(), Target().printer);
}

void TPrevX::SetPage(int n) {
  if (n == currentPage_ || n < 1 || n > PageCount()) return;
  currentPage_ = n;
  update();
}

void TPrevX::SetZoomScale(int percent) {
  if (percent == zoomScale_ || !IsZoomScale(percent)) return;
  zoomScale_ = percent;
  Relayout();
}

void TPrevX::CheckPrinter() const {
  if (printers_.Installed().isEmpty()) throw EPrevError(kNoPrinterMessage);
}

void TPrevX::UpdateLayout() {
  const std::optional<PrinterMetrics> printer = printers_.CurrentMetrics();
  if (!printer) throw EPrevError(kNoPrinterMessage);
  ApplyLayout(*printer);
}

void TPrevX::Relayout() {
  if (const std::optional<PrinterMetrics> printer = printers_.CurrentMetrics())
    ApplyLayout(*printer);
  else if (printer_.dpiY > 0)
    ApplyLayout(printer_);
  update();
}

void TPrevX::ApplyLayout(const PrinterMetrics& printer) {
  printer_ = printer;
  geometry_ = ScreenGeometryOf(printer, logicalDpiY(), zoomScale_);
  const QSize size(geometry_.paperWidth + 2 * kSheetMargin, geometry_.paperHeight + 2 * kSheetMargin);
  if (minimumSize() != size || maximumSize() != size) setFixedSize(size);
}

void TPrevX::paintEvent(QPaintEvent*) {
  // A printer chosen meanwhile changes the sheet; the pages stay as recorded.
  if (const std::optional<PrinterMetrics> printer = printers_.CurrentMetrics()) ApplyLayout(*printer);
  if (printer_.dpiY <= 0) return;  // no printer was ever installed: nothing to show

  QPainter painter(this);
  const ScreenGeometry& g = geometry_;
  painter.setPen(QPen(Qt::black, 0, Qt::SolidLine));
  painter.setBrush(Qt::white);
  painter.drawRect(kSheetMargin, kSheetMargin, g.paperWidth, g.paperHeight);
  const QRect printable(kSheetMargin + g.offsetX, kSheetMargin + g.offsetY, g.printableWidth, g.printableHeight);
  painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
  painter.drawRect(printable);
  if (PageCount() == 0 || Recording() || Target().printer.printableWidth <= 0) return;

  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  painter.setClipRect(printable);
  painter.translate(printable.topLeft());
  painter.scale(static_cast<double>(g.printableWidth) / Target().printer.printableWidth,
                static_cast<double>(g.printableHeight) / Target().printer.printableHeight);
  DrawPage(painter, Pages()[static_cast<std::size_t>(currentPage_ - 1)]);
}

}  // namespace torvane
