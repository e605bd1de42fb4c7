#pragma once
// Every file access of the program goes through these functions: whole-file
// reads, reads at an offset, atomic replacement, durability. Each platform
// has its own implementation (FilesPosix.cpp, FilesWindows.cpp).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileError.h"

namespace torvane::platform {

// The whole contents of a regular file; throws FileError (also for a
// directory or another kind of file).
std::string ReadFileContents(const std::filesystem::path& path);

// The file's bytes; a file that does not exist reads as empty. Nullopt when
// the path exists but cannot be read (a directory, no permission, an I/O
// error), so that a caller never mistakes an unreadable file for an empty one.
std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& path);

// The stamp of the file at path, or nothing when there is no file there;
// throws FileError when the path cannot be examined or is not a regular file.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

// A regular file open for reads at any offset, without reading it whole.
class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Throws FileError when the file cannot be opened, is not a regular file,
  // or its size cannot be read.
  void Open(const std::filesystem::path& path);
  void Close();
  bool IsOpen() const;
  // The size when it was opened.
  std::uint64_t Size() const { return size_; }
  // Reads size bytes at offset into dest, fewer only where the file ends
  // first; returns how many. Throws FileError on a read failure.
  std::size_t ReadUpTo(std::uint64_t offset, char* dest, std::size_t size) const;
  // Reads exactly size bytes at offset into dest; false when the file ends
  // first. Throws FileError on a read failure.
  bool ReadAt(std::uint64_t offset, char* dest, std::size_t size) const { return ReadUpTo(offset, dest, size) == size; }

 private:
  std::intptr_t handle_ = -1;
  std::uint64_t size_ = 0;
  std::string path_;  // UTF-8, for messages
};

// Whether a replacement waits until the new contents are on the disk (and,
// for a replacement, the directory's new entry too).
enum class Durability { kCached, kFlushedToDisk };

// Replaces the file's contents atomically: the bytes go to a new temporary
// file in the same directory (its name starts with a dot, so no reader takes
// it for a store file), which is then renamed over the old file, so a
// failure or a kill part-way leaves the old file whole and no temporary file
// behind. An existing file keeps its permission bits. Returns the new file's
// stamp. Throws FileError.
FileStamp ReplaceFileAtomically(const std::filesystem::path& path, std::string_view contents,
                                Durability durability = Durability::kCached);

// What is at a path, the path itself and not what a symbolic link there
// leads to. Throws FileError when the path cannot be examined.
enum class EntryKind { Missing, RegularFile, Directory, Other };
EntryKind KindOf(const std::filesystem::path& path);

// The whole contents of the regular file at path, never through a symbolic
// link; nothing when there is no file. Throws FileError naming the path when
// it is a symbolic link, not a regular file, or cannot be read.
std::optional<std::string> ReadOwnFile(const std::filesystem::path& path);

// Writes contents into a new, exclusively created temporary file beside path
// (its name starts with a dot and ends in kTemporaryFileSuffix; an existing
// file's permission bits are copied) and returns its path. Nothing is left
// behind on failure. Throws FileError naming path.
std::filesystem::path WriteTemporaryBeside(const std::filesystem::path& path, std::string_view contents,
                                           Durability durability = Durability::kCached);
inline constexpr std::string_view kTemporaryFileSuffix = ".tmp";

// Renames temporary over path in one atomic step; the temporary file is
// removed when that fails. Throws FileError naming path.
void RenameOver(const std::filesystem::path& temporary, const std::filesystem::path& path);

// Removes a file if it is there; failures are ignored (for cleaning up).
void RemoveQuietly(const std::filesystem::path& path) noexcept;

// Puts everything written to the file system that holds path onto the disk
// before it returns. Throws FileError naming path. Windows cannot flush a
// whole file system without an administrator's rights: there the temporary
// files and their renames are each flushed as they are made, and this
// returns at once.
void FlushFileSystem(const std::filesystem::path& path);

}  // namespace torvane::platform
