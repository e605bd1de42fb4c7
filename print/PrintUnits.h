#pragma once
// Logical print units to printer pixels, as the preview control converts
// them. Results are rounded to the nearest integer, halves to even.

#include <cmath>

namespace torvane {

// `pmmHi`: 0.1 mm; `pmmLo`: 1 mm.
enum class TPrevMapModes { pmmHi, pmmLo };

// Pixels for a logical coordinate (margin already in logical units) at `dpi`.
inline int ScaleLogical(int logical, int margin, int dpi, TPrevMapModes mode = TPrevMapModes::pmmHi) {
  const double unitsPerInch = mode == TPrevMapModes::pmmHi ? 254.0 : 25.4;
  return static_cast<int>(std::nearbyint((logical + margin) * static_cast<double>(dpi) / unitsPerInch));
}

// The logical length that `pixels` at `dpi` hold whole (rounded down).
inline int LogicalOfPixels(int pixels, int dpi, TPrevMapModes mode = TPrevMapModes::pmmHi) {
  const double unitsPerInch = mode == TPrevMapModes::pmmHi ? 254.0 : 25.4;
  return dpi > 0 ? static_cast<int>(std::floor(pixels * unitsPerInch / dpi)) : 0;
}

// Printer pixels for a pen of w tenths of a screen pixel; at least 1.
inline int ScalePenWidthFor(int w, int printerVerticalDpi, int screenDpi) {
  const int pixels = static_cast<int>(std::nearbyint(static_cast<double>(w) * printerVerticalDpi / (screenDpi * 10.0)));
  return pixels < 1 ? 1 : pixels;
}

}  // namespace torvane
