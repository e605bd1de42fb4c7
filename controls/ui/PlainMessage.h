#pragma once
// A plain message box: the text and an OK button, under the application's
// name, without an icon. Only the JVInit failure and the home page that
// could not be opened are told so; every other message has the caption of
// its kind (TMsgDlg::Tell).

#include <QString>

class QWidget;

namespace torvane {

void ShowPlainMessage(QWidget* parent, const QString& text);

}  // namespace torvane
