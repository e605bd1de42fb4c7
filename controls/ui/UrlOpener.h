#pragma once
// Opening a web or mail address (or a local file) in the user's desktop
// application. Windows take the opener as a value so that tests can see what
// would be opened, and make it fail, without starting a browser.

#include <QUrl>
#include <functional>

namespace torvane {

// Opens the address; true when the desktop accepted it.
using UrlOpener = std::function<bool(const QUrl&)>;

// The desktop's own opener (QDesktopServices::openUrl).
UrlOpener DesktopUrlOpener();

}  // namespace torvane
