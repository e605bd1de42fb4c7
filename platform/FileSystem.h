#pragma once
// The file system's structure, on every platform through the standard
// library: directory listings and creation, what is at a path, absolute
// paths, and the copy that replaces a file. Outside this layer no file
// calls std::filesystem for more than its path type.
//
// Unless a function says otherwise, a failure throws
// std::filesystem::filesystem_error naming the path and the system's reason.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/Files.h"

namespace torvane::platform {

struct DirectoryEntry {
  std::string name;            // UTF-8, no directory part
  bool isRegularFile = false;  // through a symbolic link, as when it is opened
};

// The entries of the directory, not those of its subdirectories, in no
// particular order.
std::vector<DirectoryEntry> ListDirectory(const std::filesystem::path& directory);

// Every entry at any depth below the directory, for cleaning up: where a
// directory cannot be read the walk stops, without an error.
std::vector<std::filesystem::path> EntriesBelowQuietly(const std::filesystem::path& directory) noexcept;

// Creates the directory and any missing parents; nothing when it is there.
void CreateDirectories(const std::filesystem::path& directory);
// The same, the failure in error instead of thrown.
void CreateDirectories(const std::filesystem::path& directory, std::error_code& error) noexcept;
// Creates one directory whose parent is there; the failure in error.
void CreateDirectory(const std::filesystem::path& directory, std::error_code& error) noexcept;

// Whether a directory is there, through a symbolic link.
bool IsDirectory(const std::filesystem::path& path);
// The same, the failure in error (and false).
bool IsDirectory(const std::filesystem::path& path, std::error_code& error) noexcept;
// Whether a regular file is there, through a symbolic link; false also when
// the path cannot be examined.
bool IsRegularFile(const std::filesystem::path& path) noexcept;
// Whether anything is there; false also when the path cannot be examined.
bool Exists(const std::filesystem::path& path) noexcept;
// Whether nothing at all is there; false when the path cannot be examined,
// so that the failure shows when the file is opened.
bool IsMissing(const std::filesystem::path& path) noexcept;

// The file a symbolic link at path leads to (all links resolved), or path
// itself when it is no link; nothing when a link there cannot be resolved.
std::optional<std::filesystem::path> ResolvedLink(const std::filesystem::path& path) noexcept;
// Whether a file or directory is there that its owner may not write.
bool IsOwnerReadOnly(const std::filesystem::path& path) noexcept;

// The size and the modification time of the file at path, as CopyReplacing
// gives a copy its source's time (on Windows, in the standard library's own
// precision); nothing when the path cannot be examined or is no file.
struct SizeAndTime {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
  bool operator==(const SizeAndTime&) const = default;
};
std::optional<SizeAndTime> SizeAndTimeOf(const std::filesystem::path& path) noexcept;

// The path from the current directory, when it is relative.
std::filesystem::path AbsolutePath(const std::filesystem::path& path);

// Copies source over target in one atomic replacement (ReplaceFileAtomically):
// the copy has the source's modification time, by which a later run can tell
// a changed source from the copy made. Returns the bytes copied. Throws
// FileError, or filesystem_error when the time cannot be set.
std::string CopyReplacing(const std::filesystem::path& source, const std::filesystem::path& target,
                          Durability durability);

}  // namespace torvane::platform
