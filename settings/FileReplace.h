#pragma once
// Whole-file reads and crash-safe whole-file replacement, reported as result
// values for callers that go on without the file (the settings file).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// The file's bytes; a file that does not exist reads as empty. Nullopt when
// the path exists but cannot be read (a directory, no permission, an I/O
// error), so that a caller never mistakes an unreadable file for an empty one.
std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& path);

// Replaces the file's contents with contents: written to a new file in the
// same directory, flushed to disk and renamed over the old one, so that the
// file is always either wholly old or wholly new. An existing file keeps its
// permission bits; a symbolic link is followed and its target replaced.
// False when anything fails; the old file is then unchanged and no
// temporary file is left behind.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view contents);

}  // namespace torvane
