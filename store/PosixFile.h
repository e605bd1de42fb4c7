#pragma once
// POSIX file helpers shared by the store's readers and writers.

#include <sys/stat.h>
#include <sys/types.h>

#include <filesystem>
#include <string_view>

#include "store/RecordFile.h"

namespace torvane::posix {

// The StoreError of an action on path that failed with errno error.
StoreError ErrorAt(FileAction action, const std::filesystem::path& path, int error);

FileStamp StampOfInfo(const struct stat& info);

// Writes all bytes at offset (retrying short writes); false with errno set on failure.
bool WriteAllAt(int fd, std::string_view bytes, off_t offset);

// Closes a descriptor when it goes out of scope, keeping errno of a failure
// being reported.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor();
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now; false (errno set) when the close reported an error.
  bool Close();

 private:
  int fd_;
};

}  // namespace torvane::posix
