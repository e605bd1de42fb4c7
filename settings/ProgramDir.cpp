#include "settings/ProgramDir.h"

#include <cstdlib>

#include "platform/FileSystem.h"

namespace torvane {
namespace {

// An environment variable's value; empty when unset.
std::filesystem::path FromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value ? platform::PathFromUtf8(value) : std::filesystem::path();
}

}  // namespace

std::filesystem::path ChooseProgramDir(const std::filesystem::path& exeDir, bool exeDirWritable,
                                       const std::filesystem::path& xdgDataHome, const std::filesystem::path& home) {
  if (exeDirWritable) return exeDir;
  // The XDG base directory for user data; a relative value is to be ignored.
  if (xdgDataHome.is_absolute()) return xdgDataHome / "torvane";
  if (home.is_absolute()) return home / ".local" / "share" / "torvane";
  // Without a home there is nowhere better; creating the store says why.
  return exeDir;
}

std::filesystem::path DefaultProgramDir() {
  const std::filesystem::path exeDir = ExecutableDir();
  const bool exeDirWritable = platform::IsWritableDirectory(exeDir);
  // Windows: a copy installed under Program Files keeps its data in the
  // user's local application data folder. So does one that could write
  // beside itself (run as administrator, as the installer's last page starts
  // it): its uninstaller beside it marks it, and a store in Program Files
  // would be one no other run of the user's sees.
  if (const std::filesystem::path localAppData = platform::LocalAppDataDir(); !localAppData.empty()) {
    const bool installed = platform::Exists(exeDir / kUninstallerName);
    return exeDirWritable && !installed ? exeDir : localAppData / "Torvane";
  }
  return ChooseProgramDir(exeDir, exeDirWritable, FromEnvironment("XDG_DATA_HOME"), FromEnvironment("HOME"));
}

std::filesystem::path InstalledDataDir() { return ExecutableDir().parent_path() / "share" / "torvane"; }

}  // namespace torvane
