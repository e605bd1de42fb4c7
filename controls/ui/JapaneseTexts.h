#pragma once
// Every text of the program is Japanese, Qt's own included (the file
// dialogs, the calendar, the standard buttons), whatever the user's locale.

#include <QString>

class QCoreApplication;
class QDialogButtonBox;
class QMessageBox;

namespace torvane {

// Loads Qt's Japanese translations (qtbase_ja.qm built into the program, else
// that of Qt's translations folder) into the application and makes Japanese
// the default locale, for the calendar's month and day names. False when the
// translations are not there; the texts then stay Qt's English ones.
bool InstallJapaneseTexts(QCoreApplication& application);

// The designed captions of the standard buttons (はい, いいえ, OK, キャンセル,
// 閉じる) instead of Qt's "はい(&Y)" and the like.
void SetDesignedCaptions(QMessageBox& box);
void SetDesignedCaptions(QDialogButtonBox& box);

}  // namespace torvane
