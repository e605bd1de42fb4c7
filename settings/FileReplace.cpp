#include "settings/FileReplace.h"

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A new, exclusively created file beside target; its path goes to tempPath.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& tempPath) {
  static std::atomic<unsigned> counter{0};
  const std::string stem = "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = target.parent_path() / (stem + std::to_string(counter++));
    // 0666 lets the umask decide, as for any newly created file.
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes contents to tempPath's descriptor and renames it over target.
bool WriteAndRename(FileDescriptor& file, const std::filesystem::path& tempPath, const std::filesystem::path& target,
                    std::string_view contents) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && ::fchmod(file.Get(), old.st_mode & 07777) != 0) return false;
  if (!WriteAll(file.Get(), contents) || ::fsync(file.Get()) != 0) return false;
  if (!file.Close()) return false;
  return ::rename(tempPath.c_str(), target.c_str()) == 0;
}

}  // namespace

std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) {
    if (errno == ENOENT) return std::string();
    return std::nullopt;
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;  // also a directory: EISDIR
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view contents) {
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, error)) {
    target = std::filesystem::canonical(path, error);
    if (error) return false;
  }
  std::filesystem::path tempPath;
  FileDescriptor file(CreateTemporaryBeside(target, tempPath));
  if (file.Get() < 0) return false;
  if (WriteAndRename(file, tempPath, target, contents)) return true;
  ::unlink(tempPath.c_str());
  return false;
}

}  // namespace torvane
