// The POSIX implementation of the process functions.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "platform/FileError.h"
#include "platform/Process.h"

namespace torvane::platform {

ProcessId CurrentProcessId() { return static_cast<ProcessId>(::getpid()); }

bool ProcessHasEnded(ProcessId id) {
  if (id == 0 || id > static_cast<ProcessId>(std::numeric_limits<pid_t>::max())) return false;
  return ::kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH;
}

void KillThisProcess() {
  ::kill(::getpid(), SIGKILL);
  ::_exit(137);  // not reached: SIGKILL cannot be caught
}

namespace {

// Takes the exclusive lock of an open file or directory without waiting;
// false when another holder has it, errno telling why.
bool LockAtOnce(int fd) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    if (errno != EINTR) return false;
  return true;
}

}  // namespace

bool ExclusiveFileLock::TryLock(const std::filesystem::path& lockFile) {
  if (IsHeld()) return true;
  // The lock file's name can be removed while it is held, and a second
  // holder would then lock a new file under that name: the directory, which
  // cannot go while it holds the file, is the lock that counts. The file
  // itself is still locked for any holder that locks only the file.
  const std::filesystem::path directory = lockFile.parent_path().empty() ? "." : lockFile.parent_path();
  const int directoryFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directoryFd < 0) throw FileError(FileAction::Open, lockFile, std::error_code(errno, std::generic_category()));
  // Never through a link: the lock file is made where it is named.
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int error = errno;
    ::close(directoryFd);
    throw FileError(FileAction::Open, lockFile, std::error_code(error, std::generic_category()));
  }
  // flock locks belong to the open file, so a second lock taken through
  // another open of the same file fails even inside this process.
  if (!LockAtOnce(directoryFd) || !LockAtOnce(fd)) {
    const int error = errno;
    ::close(fd);
    ::close(directoryFd);
    if (error == EWOULDBLOCK) return false;
    throw FileError(FileAction::Lock, lockFile, std::error_code(error, std::generic_category()));
  }
  handle_ = fd;
  directoryHandle_ = directoryFd;
  return true;
}

bool ExclusiveFileLock::Lock(const std::filesystem::path& lockFile) {
  if (IsHeld()) return true;
  // Never through a link: a dangling one would create a file wherever it leads.
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    ::close(fd);
    return false;
  }
  handle_ = fd;
  return true;
}

ExclusiveFileLock::~ExclusiveFileLock() {
  if (IsHeld()) ::close(static_cast<int>(handle_));
  if (directoryHandle_ != -1) ::close(static_cast<int>(directoryHandle_));
}

}  // namespace torvane::platform
