#pragma once
// Qt's own file dialog names a file's kind and writes its date by the
// system's locale, not the program's, and has no Japanese for the kinds:
// under an English or C locale its list says "Folder" and "9 Dec" amid the
// Japanese. A file dialog asked through here lists them in Japanese.

#include <QFileDialog>
#include <QString>

class QWidget;

namespace torvane {

// Makes the dialog's file list Japanese: a folder "フォルダー", a file
// "<suffix> ファイル", the date of the last change in the Japanese short
// form. A native dialog (Windows) speaks the system's language already and
// is left as it is.
void SetJapaneseFileList(QFileDialog& dialog);

// QFileDialog::getSaveFileName with the Japanese file list: the chosen file,
// or an empty text when the user cancelled.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter);

}  // namespace torvane
