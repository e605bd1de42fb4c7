#include "print/ui/PageOutput.h"

#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "print/ui/PrevError.h"

namespace torvane {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// Whatever its own resolution, the device gets the pages at the recorded one.
void Play(QPainter& painter, QPagedPaintDevice& device, const std::deque<QPicture>& pages, int from, int to,
          double scaleX, double scaleY) {
  const int last = std::min(static_cast<int>(pages.size()), to);
  for (int i = from; i <= last; ++i) {
    if (i > from) device.newPage();
    painter.save();
    painter.scale(scaleX, scaleY);
    DrawPage(painter, pages[static_cast<std::size_t>(i - 1)]);
    painter.restore();
  }
}

}  // namespace

void DrawPage(QPainter& painter, const QPicture& page) {
  const QPaintDevice& device = *painter.device();
  painter.save();
  painter.scale(static_cast<double>(page.logicalDpiX()) / device.logicalDpiX(),
                static_cast<double>(page.logicalDpiY()) / device.logicalDpiY());
  painter.drawPicture(0, 0, page);
  painter.restore();
}

void PlayPages(QPagedPaintDevice& device, const std::deque<QPicture>& pages, int from, int to, QSizeF scale) {
  QPainter painter;
  if (!painter.begin(&device)) throw EPrevError("印刷を開始できませんでした");
  Play(painter, device, pages, from, to, scale.width(), scale.height());
  if (!painter.end()) throw EPrevError("印刷を終えられませんでした");
}

void WritePdf(const QString& fileName, const std::deque<QPicture>& pages, const PrinterMetrics& recordedFor) {
  const auto mm = [](int pixels, int dpi) { return pixels * kMillimetresPerInch / dpi; };
  const PrinterMetrics& p = recordedFor;
  const QPageSize paper(QSizeF(mm(p.paperWidth, p.dpiX), mm(p.paperHeight, p.dpiY)), QPageSize::Millimeter);
  const QMarginsF margins(mm(p.offsetX, p.dpiX), mm(p.offsetY, p.dpiY),
                          mm(p.paperWidth - p.offsetX - p.printableWidth, p.dpiX),
                          mm(p.paperHeight - p.offsetY - p.printableHeight, p.dpiY));

  const QString failure = QStringLiteral("PDFファイルに書き込めませんでした: ") + fileName;
  QPdfWriter writer(fileName);
  writer.setResolution(p.dpiY);
  writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Millimeter));
  QPainter painter;
  if (!painter.begin(&writer)) throw EPrevError(failure.toStdString());
  Play(painter, writer, pages, 1, static_cast<int>(pages.size()), static_cast<double>(p.dpiY) / p.dpiX, 1.0);
  if (!painter.end()) throw EPrevError(failure.toStdString());
}

}  // namespace torvane
