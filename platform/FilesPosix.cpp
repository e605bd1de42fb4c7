// The POSIX implementation of the file functions.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>
#include <utility>

#include "platform/Files.h"
#include "platform/Paths.h"

namespace torvane::platform {
namespace {

FileError ErrorAt(FileAction action, const std::filesystem::path& path, int error) {
  return FileError(action, path, std::error_code(error, std::generic_category()));
}

FileStamp StampOfInfo(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::uint64_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// Closes a descriptor when it goes out of scope, keeping errno of a failure
// being reported.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ < 0) return;
    const int saved = errno;
    ::close(fd_);
    errno = saved;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }
  // Closes now; false (errno set) when the close reported an error.
  bool Close() { return ::close(Release()) == 0; }

 private:
  int fd_;
};

// Non-blocking, since opening a FIFO for reading would otherwise wait for a
// writer forever; RegularFileSize then refuses it, as anything but a regular
// file. (For a regular file the flag changes nothing.)
int OpenForReading(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw ErrorAt(FileAction::Open, path, errno);
  return fd;
}

// The size of an open regular file. A directory opens for reading too, and
// its size would pass for records.
std::uint64_t RegularFileSize(int fd, const std::filesystem::path& path) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) throw ErrorAt(FileAction::ReadSize, path, errno);
  if (!S_ISREG(info.st_mode)) throw FileError("cannot read " + Utf8OfPath(path) + ": not a regular file");
  return static_cast<std::uint64_t>(info.st_size);
}

// Writes all bytes at offset (retrying short writes); false with errno set on failure.
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

// A new, exclusively created file beside target; its path goes to temporary.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
  static std::atomic<unsigned long> counter{0};
  const std::string stem = "." + Utf8OfPath(target.filename()) + "." + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target.parent_path() /
                PathFromUtf8(stem + std::to_string(counter.fetch_add(1)) + std::string(kTemporaryFileSuffix));
    // 0666 lets the umask decide, as for any newly created file. The name is
    // taken only when nothing, not even a symbolic link, is there; two
    // processes with the same id (separate PID namespaces) just try again.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The whole contents of an open regular file.
std::string ReadWhole(int fd, const std::filesystem::path& path) {
  std::string contents(RegularFileSize(fd, path), '\0');
  std::size_t got = 0;
  while (true) {
    if (got == contents.size()) contents.resize(got + 4096);  // the file grew since fstat
    const ssize_t n = ::read(fd, contents.data() + got, contents.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ErrorAt(FileAction::Read, path, errno);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  contents.resize(got);
  return contents;
}

}  // namespace

std::string ReadFileContents(const std::filesystem::path& path) {
  FileDescriptor fd(OpenForReading(path));
  return ReadWhole(fd.Get(), path);
}

std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& path) {
  // Non-blocking, so that a FIFO in the file's place cannot hold the program
  // waiting for a writer; only a regular file is read.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Get() < 0) {
    if (errno == ENOENT) return std::string();
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return std::nullopt;
    throw ErrorAt(FileAction::Examine, path, errno);
  }
  if (!S_ISREG(info.st_mode)) throw FileError(Utf8OfPath(path) + " is not a regular file");
  return StampOfInfo(info);
}

ReadOnlyFile::~ReadOnlyFile() { Close(); }

void ReadOnlyFile::Open(const std::filesystem::path& path) {
  Close();
  FileDescriptor fd(OpenForReading(path));
  size_ = RegularFileSize(fd.Get(), path);
  path_ = Utf8OfPath(path);
  handle_ = fd.Release();
}

void ReadOnlyFile::Close() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  handle_ = -1;
  size_ = 0;
}

bool ReadOnlyFile::IsOpen() const { return handle_ >= 0; }

std::size_t ReadOnlyFile::ReadUpTo(std::uint64_t offset, char* dest, std::size_t size) const {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::pread(static_cast<int>(handle_), dest + got, size - got, static_cast<off_t>(offset + got));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(FileAction::Read, PathFromUtf8(path_), std::error_code(errno, std::generic_category()));
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

std::filesystem::path WriteTemporaryBeside(const std::filesystem::path& path, std::string_view contents,
                                           Durability durability) {
  std::filesystem::path temporary;
  FileDescriptor fd(CreateTemporaryBeside(path, temporary));
  if (fd.Get() < 0) throw ErrorAt(FileAction::Write, path, errno);
  const auto fail = [&](int error) {
    ::unlink(temporary.c_str());
    return ErrorAt(FileAction::Write, path, error);
  };
  struct stat old {};
  if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd.Get(), old.st_mode & 07777) != 0)
    throw fail(errno);
  if (!WriteAllAt(fd.Get(), contents, 0)) throw fail(errno);
  if (durability == Durability::kFlushedToDisk && ::fsync(fd.Get()) != 0) throw fail(errno);
  if (!fd.Close()) throw fail(errno);
  return temporary;
}

void RenameOver(const std::filesystem::path& temporary, const std::filesystem::path& path) {
  if (::rename(temporary.c_str(), path.c_str()) == 0) return;
  const int error = errno;
  ::unlink(temporary.c_str());
  throw ErrorAt(FileAction::Replace, path, error);
}

void RemoveQuietly(const std::filesystem::path& path) noexcept { ::unlink(path.c_str()); }

FileStamp ReplaceFileAtomically(const std::filesystem::path& path, std::string_view contents, Durability durability) {
  const std::filesystem::path temporary = WriteTemporaryBeside(path, contents, durability);
  // The rename keeps the inode and the modification time, so the stamp taken
  // here is the stamp of the replaced file.
  struct stat info {};
  if (::stat(temporary.c_str(), &info) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    throw ErrorAt(FileAction::Write, path, error);
  }
  RenameOver(temporary, path);
  // A rename is durable only once the directory holding the new entry is.
  if (durability == Durability::kFlushedToDisk) {
    const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
    FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() < 0 || ::fsync(dir.Get()) != 0) throw ErrorAt(FileAction::Flush, directory, errno);
  }
  return StampOfInfo(info);
}

EntryKind KindOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return EntryKind::Missing;
    throw ErrorAt(FileAction::Examine, path, errno);
  }
  if (S_ISREG(info.st_mode)) return EntryKind::RegularFile;
  if (S_ISDIR(info.st_mode)) return EntryKind::Directory;
  return EntryKind::Other;
}

std::optional<std::string> ReadOwnFile(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return std::nullopt;
    if (errno == ELOOP) throw FileError(Utf8OfPath(path) + " is a symbolic link, which the store never follows");
    throw ErrorAt(FileAction::Open, path, errno);
  }
  FileDescriptor file(fd);
  return ReadWhole(file.Get(), path);
}

void FlushFileSystem(const std::filesystem::path& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0 || ::syncfs(fd.Get()) != 0) throw ErrorAt(FileAction::Flush, path, errno);
}

}  // namespace torvane::platform
