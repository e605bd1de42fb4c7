#pragma once
// The place a window saved in the settings file, and whether it can be used:
// a window whose title bar is on no screen cannot be reached with the mouse
// (nor moved back), one larger than the screen is pushed by the window
// manager until its title bar is off, and one mostly off the screens (a
// corner showing) is as good as lost. Such a place gives the defaults.

#include <string_view>
#include <vector>

#include "settings/IniGT.h"

namespace torvane {

// A window's outer rectangle (its title bar along the top), or a screen's
// available area, in screen pixels.
struct WindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// Where a window opens that has no usable saved place.
inline constexpr WindowRect kDefaultWindowPlace{10, 10, 630, 450};

// Whether the window can be used where it is: on one of the screens it
// fits whole, has its title bar there in full height and enough of its width
// to grab, and shows at least half of itself.
bool WindowPlaceUsable(const WindowRect& frame, const std::vector<WindowRect>& screens);

// The keys "left", "top", "width" and "height" of the section, or
// kDefaultWindowPlace when they are missing or the place is not usable.
WindowRect SavedWindowPlace(const TIniGT& settings, std::string_view section, const std::vector<WindowRect>& screens);

}  // namespace torvane
