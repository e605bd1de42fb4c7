#include "print/PreviewGeometry.h"

#include <cmath>
#include <iterator>

namespace torvane {

ScreenGeometry ScreenGeometryOf(const PrinterMetrics& printer, int screenDpi, int zoomScale) {
  const double f = static_cast<double>(screenDpi) / printer.dpiY * zoomScale / 100.0;
  const auto scaled = [f](int pixels) { return static_cast<int>(std::lround(pixels * f)); };
  return {scaled(printer.paperWidth), scaled(printer.paperHeight),    scaled(printer.offsetX),
          scaled(printer.offsetY),    scaled(printer.printableWidth), scaled(printer.printableHeight)};
}

std::optional<int> ZoomOfChoice(int index) {
  constexpr int kChoices[] = {25, 50, 75, 100};
  if (index < 0 || index >= static_cast<int>(std::size(kChoices))) return std::nullopt;
  return kChoices[index];
}

}  // namespace torvane
