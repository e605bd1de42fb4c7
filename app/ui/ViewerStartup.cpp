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
#include "settings/IniGT.h"
#include "settings/ProgramDir.h"
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

QString JVLinkMissingMessage(const std::exception& cause) {
  return QString::fromUtf8(kJVLinkMissingText.data(), static_cast<qsizetype>(kJVLinkMissingText.size())) +
         QStringLiteral("\n") + QString::fromStdString(cause.what());
}

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

  // The instance that shows the chosen component is there becomes the main
  // window's control: for the installed one, creating it starts the bridge.
  std::unique_ptr<JVLink> jvLink;
  try {
    const TIniGT settings(programDir, kSettingsFileName);
    jvLink = CreateJVLink(ChosenJVLinkComponent(settings), programDir);
  } catch (const std::exception& error) {
    Tell(TMsgDlg::TMsgDlgType::mtInformation, JVLinkMissingMessage(error));
    return nullptr;
  }

  try {
    AttachStandInSettingsDialog(*jvLink, programDir);
    return std::make_unique<TMainForm>(programDir, std::move(jvLink));
  } catch (const std::exception& error) {
    TellStartFailure(error);
    return nullptr;
  }
}

}  // namespace torvane
