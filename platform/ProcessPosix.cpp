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

bool ExclusiveFileLock::TryLock(const std::filesystem::path& lockFile) {
  if (IsHeld()) return true;
  // Never through a link: the lock file is made where it is named.
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) throw FileError(FileAction::Open, lockFile, std::error_code(errno, std::generic_category()));
  // flock locks belong to the open file, so a second lock taken through
  // another open of the same file fails even inside this process.
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) return false;
    throw FileError(FileAction::Lock, lockFile, std::error_code(error, std::generic_category()));
  }
  handle_ = fd;
  return true;
}

bool ExclusiveFileLock::Lock(const std::filesystem::path& lockFile) {
  if (IsHeld()) return true;
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
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
}

}  // namespace torvane::platform
