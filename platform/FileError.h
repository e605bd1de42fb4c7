#pragma once
// The error and the version stamp of the file functions of the platform layer.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace torvane::platform {

// What was being done to a file when the operating system refused it.
enum class FileAction { Open, Read, ReadSize, Examine, Write, Replace, CreateDirectory, Lock, Flush };

// A file or directory that exists but cannot be read or written; the message
// names the path and the reason. When the operating system refused an action,
// the error also keeps the action, the path and the system's code, so that
// the viewer can word it in Japanese (platform/SystemErrorText.h).
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  // "<action> <path>: <the system's reason>".
  FileError(FileAction action, const std::filesystem::path& path, std::error_code code);

  FileAction Action() const { return action_; }
  const std::filesystem::path& Path() const { return path_; }
  // Empty for a file whose contents are at fault.
  std::error_code Code() const { return code_; }

 private:
  FileAction action_ = FileAction::Read;
  std::filesystem::path path_;
  std::error_code code_;
};

// One version of a file as the file system tells versions apart: replacing
// the file (a rename over it) or rewriting it gives a new stamp.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

}  // namespace torvane::platform
