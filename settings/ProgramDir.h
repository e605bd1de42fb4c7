#pragma once
// The program directory: the executable's own directory, where the store and
// the settings file live.

#include "platform/Paths.h"

namespace torvane {

// The directory of the running executable (absolute, no trailing separator).
using platform::ExecutableDir;

// The settings file's name: both binaries share the viewer's, "torvane.ini".
inline constexpr const char* kSettingsFileName = "torvane.ini";

}  // namespace torvane
