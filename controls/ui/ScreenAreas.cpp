#include "controls/ui/ScreenAreas.h"

#include <QGuiApplication>
#include <QScreen>

namespace torvane {

std::vector<WindowRect> AvailableScreenAreas() {
  std::vector<WindowRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    areas.push_back({area.left(), area.top(), area.width(), area.height()});
  }
  return areas;
}

}  // namespace torvane
