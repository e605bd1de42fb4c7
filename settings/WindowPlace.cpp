#include "settings/WindowPlace.h"

#include <algorithm>
#include <cstdint>

namespace torvane {
namespace {

// Enough of a title bar to grab: its height, and this much of its width.
constexpr std::int64_t kTitleBarHeight = 24;
constexpr std::int64_t kGrabbableWidth = 60;

// The length of [a, a + aLength) that lies in [b, b + bLength); in 64 bits,
// as a stored place may be anything an int holds.
std::int64_t Overlap(std::int64_t a, std::int64_t aLength, std::int64_t b, std::int64_t bLength) {
  return std::max<std::int64_t>(0, std::min(a + aLength, b + bLength) - std::max(a, b));
}

bool UsableOn(const WindowRect& frame, const WindowRect& screen) {
  if (frame.width > screen.width || frame.height > screen.height) return false;
  const std::int64_t across = Overlap(frame.left, frame.width, screen.left, screen.width);
  const std::int64_t titleBar = Overlap(frame.top, kTitleBarHeight, screen.top, screen.height);
  const std::int64_t down = Overlap(frame.top, frame.height, screen.top, screen.height);
  const std::int64_t area = std::int64_t{frame.width} * frame.height;
  return titleBar == kTitleBarHeight && across >= kGrabbableWidth && 2 * across * down >= area;
}

}  // namespace

bool WindowPlaceUsable(const WindowRect& frame, const std::vector<WindowRect>& screens) {
  if (frame.width <= 0 || frame.height <= 0) return false;
  return std::any_of(screens.begin(), screens.end(), [&](const WindowRect& screen) { return UsableOn(frame, screen); });
}

WindowRect SavedWindowPlace(const TIniGT& settings, std::string_view section, const std::vector<WindowRect>& screens) {
  const WindowRect saved{settings.ReadInteger(section, "left", kDefaultWindowPlace.left),
                         settings.ReadInteger(section, "top", kDefaultWindowPlace.top),
                         settings.ReadInteger(section, "width", kDefaultWindowPlace.width),
                         settings.ReadInteger(section, "height", kDefaultWindowPlace.height)};
  return WindowPlaceUsable(saved, screens) ? saved : kDefaultWindowPlace;
}

}  // namespace torvane
