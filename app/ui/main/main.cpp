// torvane [--dir PROGRAMDIR]: the viewer. The program directory (store and
// settings) is the executable's directory, or the user's data folder when
// that cannot be written, unless --dir names another one.
#include <QStringList>
#include <iostream>

#include "app/ui/MainForm.h"
#include "app/ui/TorvaneApplication.h"
#include "app/ui/ViewerStartup.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "settings/ProgramDir.h"

int main(int argc, char** argv) {
  torvane::TorvaneApplication application(argc, argv);
  torvane::PrepareApplication(application);

  std::filesystem::path programDir = torvane::DefaultProgramDir();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() == 3 && arguments[1] == QStringLiteral("--dir")) {
    programDir = torvane::platform::AbsolutePath(torvane::platform::PathFromUtf8(arguments[2].toStdString()));
  } else if (arguments.size() != 1) {
    std::cerr << "usage: torvane [--dir PROGRAMDIR]\n";
    return 2;
  }

  const std::unique_ptr<torvane::TMainForm> mainForm = torvane::StartViewer(programDir);
  if (!mainForm) return 1;
  mainForm->show();
  return QApplication::exec();
}
