#pragma once
// Crash-safe whole-file replacement, reported as a result value for callers
// that go on without the file (the settings file).

#include <string_view>

#include "platform/Files.h"

namespace torvane {

// Replaces the file's contents with contents: written to a new file in the
// same directory, flushed to disk and renamed over the old one, so that the
// file is always either wholly old or wholly new. An existing file keeps its
// permission bits; a symbolic link is followed and its target replaced.
// False when anything fails, and for a file without its owner's write
// permission (made read-only); the old file is then unchanged and no
// temporary file is left behind.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view contents);

}  // namespace torvane
