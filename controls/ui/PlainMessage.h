#pragma once
// A plain message box: the text and an OK button, under the application's
// name, without an icon.

#include <QString>

class QWidget;

namespace torvane {

void ShowPlainMessage(QWidget* parent, const QString& text);

}  // namespace torvane
