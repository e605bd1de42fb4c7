// torvane [--dir PROGRAMDIR]: the viewer. The program directory (store and
// settings) is the executable's directory unless --dir names another one.
#include <QApplication>
#include <QStringList>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/ProgramDir.h"
#include "app/ui/MainForm.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/MsgDlg.h"
#include "jvlink/JVLinkFactory.h"
#include "jvlink/ui/StandInSettingsDialog.h"

namespace {

using torvane::TMsgDlg;

void Tell(TMsgDlg::TMsgDlgType type, const QString& text) {
  TMsgDlg dialog;
  dialog.SetSound(true);
  dialog.SetMsgDlgType(type);
  dialog.SetDisplayMsg(text);
  dialog.Execute();
}

// The program directory or its store directories cannot be made, or the
// main window cannot be built.
void TellStartFailure(const std::exception& error) {
  Tell(TMsgDlg::TMsgDlgType::mtError,
       QStringLiteral("Torvaneを起動できませんでした。\n") + QString::fromLocal8Bit(error.what()));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Torvane"));
  torvane::InstallFontSubstitutions();

  std::filesystem::path programDir = torvane::ExecutableDir();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() == 3 && arguments[1] == QStringLiteral("--dir")) {
    programDir = std::filesystem::absolute(arguments[2].toStdString());
  } else if (arguments.size() != 1) {
    std::cerr << "usage: torvane [--dir PROGRAMDIR]\n";
    return 2;
  }

  try {
    std::filesystem::create_directories(programDir);
  } catch (const std::exception& error) {
    TellStartFailure(error);
    return 1;
  }

  try {
    // Only to see that the component is there; the main window makes its own.
    (void)torvane::CreateJVLink(torvane::kJVLinkProgID, programDir);
  } catch (const std::exception&) {
    Tell(TMsgDlg::TMsgDlgType::mtInformation,
         QStringLiteral("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"));
    return 1;
  }

  try {
    std::unique_ptr<torvane::JVLink> jvLink = torvane::CreateJVLink(torvane::kJVLinkProgID, programDir);
    torvane::AttachStandInSettingsDialog(*jvLink, programDir);
    torvane::TMainForm mainForm(programDir, std::move(jvLink));
    mainForm.show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    TellStartFailure(error);
    return 1;
  }
}
