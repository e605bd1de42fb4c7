#include "app/ui/HelpFile.h"

#include <QString>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "settings/ProgramDir.h"

namespace torvane {

std::filesystem::path HelpFilePath(const std::filesystem::path& programDir) {
  // The program directory's own, the build's beside the executable, the installed one.
  const std::filesystem::path inProgramDir = programDir / kHelpFileName;
  const std::filesystem::path besideExecutable = ExecutableDir() / kHelpFileName;
  if (platform::IsRegularFile(inProgramDir)) return inProgramDir;
  if (platform::IsRegularFile(besideExecutable)) return besideExecutable;
  return InstalledDataDir() / kHelpFileName;
}

QUrl HelpContentsUrl(const std::filesystem::path& helpFile) {
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(platform::Utf8OfPath(helpFile)));
  url.setFragment(QStringLiteral("contents"));
  return url;
}

}  // namespace torvane
