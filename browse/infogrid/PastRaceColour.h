#pragma once
// The colours of a past race's texts, alike in the information grid and the
// horse window: the track by its surface, the finishing position by its place.

#include <cstdint>

#include "browse/infogrid/InfoGridDrawing.h"
#include "codes/KeibaFunc.h"

namespace torvane {

// The track's colour: green for turf, maroon for dirt, black for a jump race.
Colour TrackColourOf(TrackSurface surface);
// The finishing position's colour: red for a win, blue for 2nd and 3rd, else black.
Colour FinishingColourOf(std::int64_t position);

}  // namespace torvane
