#include "app/ui/ViewerStartup.h"

#include <QApplication>
#include <exception>

#include "app/ui/AppIcon.h"
#include "app/ui/MainForm.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/JapaneseTexts.h"
#include "controls/ui/MsgDlg.h"
#include "jvlink/JVLinkFactory.h"
#include "jvlink/ui/StandInSettingsDialog.h"
#include "store/SystemErrorText.h"

namespace torvane {
namespace {

void Tell(TMsgDlg::TMsgDlgType type, const QString& text) {
  TMsgDlg dialog;
  dialog.SetSound(true);
  dialog.SetMsgDlgType(type);
  dialog.SetDisplayMsg(text);
  dialog.Execute();
}

void TellStartFailure(const std::exception& error) {
  Tell(TMsgDlg::TMsgDlgType::mtError,
       QStringLiteral("Torvaneを起動できませんでした。\n") + QString::fromStdString(JapaneseErrorText(error)));
}

}  // namespace

void PrepareApplication(QApplication& application) {
  // The menu entry's name, by which desktops match the windows to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("torvane"));
  QApplication::setWindowIcon(TorvaneIcon());
  InstallFontSubstitutions();
  InstallJapaneseTexts(application);
}

std::unique_ptr<TMainForm> StartViewer(const std::filesystem::path& programDir) {
  try {
    std::filesystem::create_directories(programDir);
  } catch (const std::exception& error) {
    TellStartFailure(error);
    return nullptr;
  }

  try {
    // Only to see that the component is there; the main window gets its own.
    (void)CreateJVLink(kJVLinkProgID, programDir);
  } catch (const std::exception&) {
    Tell(TMsgDlg::TMsgDlgType::mtInformation,
         QStringLiteral("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"));
    return nullptr;
  }

  try {
    std::unique_ptr<JVLink> jvLink = CreateJVLink(kJVLinkProgID, programDir);
    AttachStandInSettingsDialog(*jvLink, programDir);
    return std::make_unique<TMainForm>(programDir, std::move(jvLink));
  } catch (const std::exception& error) {
    TellStartFailure(error);
    return nullptr;
  }
}

}  // namespace torvane
