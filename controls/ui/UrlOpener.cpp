#include "controls/ui/UrlOpener.h"

#include <QDesktopServices>

namespace torvane {

UrlOpener DesktopUrlOpener() {
  return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

}  // namespace torvane
