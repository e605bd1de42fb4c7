#pragma once
// A short exclusive lock between processes (and threads) that update the
// same file: held on a lock file beside it for one read-modify-write, so that
// no update is made from a copy another writer has replaced meanwhile.

#include <filesystem>
#include <optional>

namespace torvane {

class FileLock {
 public:
  // Waits until the lock on lockPath (created when missing, and left in
  // place afterwards) is free and takes it; nothing when the lock file
  // cannot be opened or locked.
  static std::optional<FileLock> Acquire(const std::filesystem::path& lockPath);

  FileLock(FileLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileLock& operator=(FileLock&&) = delete;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

 private:
  explicit FileLock(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace torvane
