#pragma once
// Tells the user why a print did not happen, in the application's error
// dialog (after the beep).

#include <exception>

class QWidget;

namespace torvane {

void TellPrintFailure(QWidget* parent, const std::exception& error);

}  // namespace torvane
