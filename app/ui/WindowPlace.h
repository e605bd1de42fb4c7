#pragma once
// Whether a window's saved place can be used: a window whose title bar is on
// no screen cannot be reached with the mouse (nor moved back), and one larger
// than the screen is pushed by the window manager until its title bar is off.

#include <QList>
#include <QRect>

namespace torvane {

// frame is the window's outer rectangle (its title bar along the top);
// screens are the screens' available areas.
bool TitleBarReachable(const QRect& frame, const QList<QRect>& screens);

// The available areas of the screens this application has.
QList<QRect> AvailableScreenAreas();

}  // namespace torvane
