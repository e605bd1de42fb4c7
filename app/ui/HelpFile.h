#pragma once
// The help file, torvane.html: an HTML page opened in the user's browser at
// its table of contents.

#include <QUrl>

#include "platform/Paths.h"

namespace torvane {

inline constexpr const char* kHelpFileName = "torvane.html";

// The help file of the program directory, or, when that directory has none
// (a --dir program directory holds only data), the one beside the executable,
// else the installed one in <prefix>/share/torvane.
std::filesystem::path HelpFilePath(const std::filesystem::path& programDir);

// The address of the help file's table of contents.
QUrl HelpContentsUrl(const std::filesystem::path& helpFile);

}  // namespace torvane
