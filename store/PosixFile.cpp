#include "store/PosixFile.h"

#include <unistd.h>

#include <cerrno>

namespace torvane::posix {

StoreError ErrorAt(FileAction action, const std::filesystem::path& path, int error) {
  return StoreError(action, path, std::error_code(error, std::generic_category()));
}

FileStamp StampOfInfo(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::uint64_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
    offset += n;
  }
  return true;
}

FileDescriptor::~FileDescriptor() {
  if (fd_ < 0) return;
  const int saved = errno;
  ::close(fd_);
  errno = saved;
}

bool FileDescriptor::Close() {
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0;
}

}  // namespace torvane::posix
