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
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"
#include "settings/IniGT.h"
#include "settings/ProgramDir.h"

namespace torvane {
namespace {

// The chosen component, or the stand-in when the user takes it in place of
// an installed one that is missing; nothing when neither is there, and the
// viewer then opens without acquisition (the option menu can choose again).
std::unique_ptr<JVLink> ChosenOrStandIn(const std::filesystem::path& programDir) {
  TIniGT settings(programDir, kSettingsFileName);
  const JVLinkComponent chosen = ChosenJVLinkComponent(settings);
  try {
    return CreateJVLink(chosen, programDir);
  } catch (const std::exception& error) {
    TMsgDlg::Tell(nullptr, TMsgDlg::TMsgDlgType::mtInformation, JVLinkMissingMessage(error));
  }
  if (chosen != JVLinkComponent::kInstalled || TMsgDlg::Tell(nullptr, TMsgDlg::TMsgDlgType::mtConfirmation,
                                                             QStringLiteral("デモ用のJV-Link代替に切り替えますか？"),
                                                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return nullptr;
  std::unique_ptr<JVLink> standIn;
  try {
    standIn = CreateJVLink(JVLinkComponent::kStandIn, programDir);
  } catch (const std::exception& error) {
    TMsgDlg::Tell(nullptr, TMsgDlg::TMsgDlgType::mtInformation, JVLinkMissingMessage(error));
    return nullptr;
  }
  if (!SaveJVLinkComponent(settings, JVLinkComponent::kStandIn))
    TMsgDlg::Tell(nullptr, TMsgDlg::TMsgDlgType::mtWarning,
                  QStringLiteral("設定ファイルに書き込めませんでした。\n") +
                      QString::fromStdString(platform::Utf8OfPath(settings.FilePath())));
  return standIn;
}

void TellStartFailure(const std::exception& error) {
  TMsgDlg::Tell(nullptr, TMsgDlg::TMsgDlgType::mtError,
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
    platform::CreateDirectories(programDir);
  } catch (const std::exception& error) {
    TellStartFailure(error);
    return nullptr;
  }

  // The instance that shows the chosen component is there becomes the main
  // window's control: for the installed one, creating it starts the bridge.
  std::unique_ptr<JVLink> jvLink = ChosenOrStandIn(programDir);

  try {
    if (jvLink) AttachStandInSettingsDialog(*jvLink, programDir);
    return std::make_unique<TMainForm>(programDir, std::move(jvLink));
  } catch (const std::exception& error) {
    TellStartFailure(error);
    return nullptr;
  }
}

}  // namespace torvane
