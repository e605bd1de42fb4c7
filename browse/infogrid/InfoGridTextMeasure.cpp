#include "browse/infogrid/InfoGridTextMeasure.h"

#include "jvdata/Cp932.h"

namespace torvane {

int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

TextExtent FixedPitchTextMeasure::Measure(std::string_view utf8, FontSpec font) const {
  const int pixels = PointsToPixels(font.points);
  return {Cp932Width(utf8) * pixels / 2, pixels};
}

}  // namespace torvane
