#include "browse/infogrid/PastRaceColour.h"

namespace torvane {

Colour TrackColourOf(TrackSurface surface) {
  switch (surface) {
    case TrackSurface::Turf:
      return kGreen;
    case TrackSurface::Dirt:
      return kMaroon;
    case TrackSurface::Jump:
      return kBlack;
  }
  return kBlack;
}

Colour FinishingColourOf(std::int64_t position) {
  if (position == 1) return kRed;
  if (position == 2 || position == 3) return kBlue;
  return kBlack;
}

}  // namespace torvane
