#pragma once
// What the print preview shows of a printer's page: the printer's metrics,
// their size on the screen at a zoom, and the zoom and page choices it takes.

#include <optional>

namespace torvane {

// A printer's resolution and page, in printer pixels. The printable area is
// where drawing starts: its top-left corner is the origin of a recorded page.
struct PrinterMetrics {
  int dpiX = 0;
  int dpiY = 0;
  int paperWidth = 0;
  int paperHeight = 0;
  int offsetX = 0;  // of the printable area on the paper
  int offsetY = 0;
  int printableWidth = 0;
  int printableHeight = 0;
  friend bool operator==(const PrinterMetrics&, const PrinterMetrics&) = default;
};

// The same six lengths in screen pixels.
struct ScreenGeometry {
  int paperWidth = 0;
  int paperHeight = 0;
  int offsetX = 0;
  int offsetY = 0;
  int printableWidth = 0;
  int printableHeight = 0;
  friend bool operator==(const ScreenGeometry&, const ScreenGeometry&) = default;
};

inline constexpr int kMinZoomScale = 25;
inline constexpr int kMaxZoomScale = 200;
inline constexpr int kDefaultZoomScale = 25;

// One factor for both axes, screen dpi / printer vertical dpi x zoom / 100,
// so the sheet keeps its proportions even on a printer with unequal dpi.
ScreenGeometry ScreenGeometryOf(const PrinterMetrics& printer, int screenDpi, int zoomScale);

inline bool IsZoomScale(int percent) { return percent >= kMinZoomScale && percent <= kMaxZoomScale; }

// The zoom of choice 0..3 of the preview window ("25%" .. "100%"); nothing
// for any other index.
std::optional<int> ZoomOfChoice(int index);

}  // namespace torvane
