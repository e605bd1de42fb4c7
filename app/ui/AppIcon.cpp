#include "app/ui/AppIcon.h"

namespace torvane {

QIcon TorvaneIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/torvane-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace torvane
