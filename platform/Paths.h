#pragma once
// Paths as UTF-8 texts. The store's names carry 年, 月 and 日, so a path is
// never made from or turned into the system's narrow code page (on Windows
// the ANSI code page): only through these two functions.

#include <filesystem>
#include <string>
#include <string_view>

namespace torvane::platform {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8OfPath(const std::filesystem::path& path);

// The directory of the running executable (absolute, no trailing separator);
// the current directory when the system cannot tell.
std::filesystem::path ExecutableDir();

// Whether this process may create files in the directory.
bool IsWritableDirectory(const std::filesystem::path& directory);

// Windows' own folder for the data a program keeps per user on this machine
// (%LOCALAPPDATA%, the known folder LocalAppData); empty where the system has
// none or cannot tell (POSIX systems follow the XDG rule instead).
std::filesystem::path LocalAppDataDir();

}  // namespace torvane::platform
