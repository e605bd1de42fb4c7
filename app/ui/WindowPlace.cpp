#include "app/ui/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>

namespace torvane {
namespace {

// Enough of a title bar to grab: its height, and this much of its width.
constexpr int kTitleBarHeight = 24;
constexpr int kGrabbableWidth = 60;

}  // namespace

bool TitleBarReachable(const QRect& frame, const QList<QRect>& screens) {
  const QRect titleBar(frame.left(), frame.top(), frame.width(), kTitleBarHeight);
  for (const QRect& screen : screens) {
    const QRect visible = titleBar & screen;
    const bool fits = frame.width() <= screen.width() && frame.height() <= screen.height();
    if (fits && visible.height() == kTitleBarHeight && visible.width() >= kGrabbableWidth) return true;
  }
  return false;
}

QList<QRect> AvailableScreenAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
  return areas;
}

}  // namespace torvane
