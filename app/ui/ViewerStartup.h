#pragma once
// The viewer's start over a program directory, as `torvane` runs it: the
// directory is made, JV-Link's presence is checked through the factory, and
// the main window is built over the program's JV-Link control.

#include <QString>
#include <exception>
#include <memory>

#include "platform/Paths.h"

class QApplication;

namespace torvane {

class TMainForm;

// The application as the viewer runs it: its desktop name and icon, the design
// fonts, and Qt's own texts in Japanese. Called once, before any window.
void PrepareApplication(QApplication& application);

// The text for a JV-Link component that cannot be created: the request to
// install JV-Link, and the cause in one more line.
QString JVLinkMissingMessage(const std::exception& cause);

// The main window, not yet shown; nothing after the user was told why the
// viewer cannot start (a directory that cannot be made). A chosen JV-Link
// component that is missing is told; for the installed one the stand-in is
// offered in its place, and without either the window opens without
// acquisition.
std::unique_ptr<TMainForm> StartViewer(const std::filesystem::path& programDir);

}  // namespace torvane
