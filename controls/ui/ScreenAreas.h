#pragma once
// The screens a saved window place is checked against (settings/WindowPlace.h).

#include <vector>

#include "settings/WindowPlace.h"

namespace torvane {

// The available areas of the screens this application has.
std::vector<WindowRect> AvailableScreenAreas();

}  // namespace torvane
