#pragma once
// The program directory: the executable's own directory, where the store and
// the settings file live.

#include <filesystem>

namespace torvane {

// The directory of the running executable (absolute, no trailing separator).
std::filesystem::path ExecutableDir();

// The settings file's name: both binaries share the viewer's, "torvane.ini".
inline constexpr const char* kSettingsFileName = "torvane.ini";

}  // namespace torvane
