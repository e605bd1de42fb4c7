#pragma once
// The program directory, where the store and the settings file live: the
// executable's own directory, or the user's data folder for an installed
// program, whose executable's directory cannot be written.

#include "platform/Paths.h"

namespace torvane {

// The directory of the running executable (absolute, no trailing separator).
using platform::ExecutableDir;

// The program directory when none is given: the executable's directory when
// it can be written (and, on Windows, is no installed copy's), else
// %LOCALAPPDATA%\Torvane on Windows and
// $XDG_DATA_HOME/torvane (by default ~/.local/share/torvane) elsewhere. Not
// created here.
std::filesystem::path DefaultProgramDir();

// The same rule over given facts: exeDir when writable, else
// xdgDataHome/torvane when xdgDataHome is absolute, else
// home/.local/share/torvane when home is absolute, else exeDir.
std::filesystem::path ChooseProgramDir(const std::filesystem::path& exeDir, bool exeDirWritable,
                                       const std::filesystem::path& xdgDataHome, const std::filesystem::path& home);

// Where an installed program's shared files (the help file) are:
// <prefix>/share/torvane beside <prefix>/bin.
std::filesystem::path InstalledDataDir();

// What the Windows installer lays beside the program
// (tools/windows/torvane.nsi): the mark of an installed copy, whose data is
// always the user's %LOCALAPPDATA%\Torvane.
inline constexpr const char* kUninstallerName = "uninstall.exe";

// The settings file's name: both binaries share the viewer's, "torvane.ini".
inline constexpr const char* kSettingsFileName = "torvane.ini";

}  // namespace torvane
