#pragma once
// Torvane's own icon (app/desktop/torvane.svg, rendered at the usual sizes),
// for the main window and every other window of the program.

#include <QIcon>

namespace torvane {

QIcon TorvaneIcon();

}  // namespace torvane
