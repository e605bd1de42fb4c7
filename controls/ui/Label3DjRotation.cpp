#include "controls/ui/Label3DjRotation.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace torvane {
namespace {

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Truncation toward zero, as the start-point table asks.
int Trunc(double value) { return static_cast<int>(value); }

}  // namespace

RotatedTextPlacement PlaceRotatedText(int degrees, int textWidth, int textHeight) {
  const double a = degrees;
  const double theta = Radians(a);
  const double w = textWidth;
  const double h = textHeight;
  RotatedTextPlacement placement;
  if (degrees <= 90) {
    placement.dx = 0;
    placement.dy = Trunc(std::sin(theta) * w);
  } else if (degrees <= 180) {
    placement.dx = Trunc(-std::cos(theta) * w);
    placement.dy = Trunc(std::cos(Radians(180 - a)) * h + std::sin(theta) * w);
  } else if (degrees <= 270) {
    placement.dx = Trunc(std::sin(Radians(a - 180)) * h - std::cos(theta) * w);
    placement.dy = Trunc(std::sin(Radians(270 - a)) * h);
  } else {
    placement.dx = Trunc(std::sin(Radians(360 - a)) * h);
    placement.dy = 0;
  }
  placement.width = std::abs(Trunc(std::cos(theta) * w)) + std::abs(Trunc(std::sin(theta) * h));
  placement.height = std::abs(Trunc(std::sin(theta) * w)) + std::abs(Trunc(std::cos(theta) * h));
  return placement;
}

int NormalizedEscapement(int degrees) {
  // Adding 360 while negative and subtracting 360 while above 360, without
  // looping over huge values.
  if (degrees < 0) {
    degrees %= 360;
    if (degrees < 0) degrees += 360;
  } else if (degrees > 360) {
    degrees = (degrees - 1) % 360 + 1;
  }
  return degrees;
}

}  // namespace torvane
