#pragma once
// How the cell drawing learns the size of a text: the viewer measures with
// the real font, the command-line tool and the tests with a fixed-pitch model.

#include <string_view>

#include "browse/infogrid/InfoGridDrawing.h"

namespace torvane {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual TextExtent Measure(std::string_view utf8, FontSpec font) const = 0;
  // The height of a line of the font as the device draws it. Measure keeps
  // the design's height so that nothing moves; a face whose ink fills more
  // of its em than the design's needs more than that between lines that
  // would otherwise cut into each other.
  virtual int DrawnLineHeight(FontSpec font) const { return Measure(" ", font).height; }
};

// The pixel height of a font of the given point size on a 96-dpi screen,
// rounded to the nearest pixel as the Windows font mapper does (8 pt 11 px,
// 9 pt 12 px, 10 pt 13 px, 11 pt 15 px).
int PointsToPixels(int points);

// An ideal fixed-pitch font: every half-width column (one CP932 byte) is
// half the pixel height wide, rounded down over the whole text, and every
// text is one pixel height high. Bold changes nothing.
class FixedPitchTextMeasure final : public TextMeasure {
 public:
  TextExtent Measure(std::string_view utf8, FontSpec font) const override;
};

}  // namespace torvane
