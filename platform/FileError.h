#pragma once
// The error and the version stamp of the file functions of the platform layer.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace torvane::platform {

// A file or directory that exists but cannot be read or written; the message
// names the path and the system's reason.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// FileError "<what> <path>: <reason>".
FileError FileErrorAt(std::string_view what, const std::filesystem::path& path, std::string_view reason);

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
