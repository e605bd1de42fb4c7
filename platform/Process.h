#pragma once
// The running process, other processes by their id, and the exclusive lock
// that keeps a second process out of a program directory's store.

#include <cstdint>
#include <filesystem>

#include "platform/FileError.h"

namespace torvane::platform {

using ProcessId = std::uint64_t;

ProcessId CurrentProcessId();

// Whether the process with this id is known to have ended (false for 0 and
// for a process that runs, or that the system will not tell about).
bool ProcessHasEnded(ProcessId id);

// Ends this process at once, as a kill would: no destructors, no flushing,
// no exit handlers. For tests that interrupt a writer at a chosen moment.
[[noreturn]] void KillThisProcess();

// An exclusive lock held on a lock file for as long as the object lives. The
// system releases it when the process ends, however it ends.
class ExclusiveFileLock {
 public:
  // Creates the lock file when missing and takes its lock; false (nothing
  // held) when another holder has it. Throws FileError when the file cannot
  // be created or opened, or is a symbolic link. Removing the lock file
  // while it is held does not let a second holder in: on POSIX the
  // directory that holds it is locked too, on Windows the file cannot be
  // removed while it is held.
  bool TryLock(const std::filesystem::path& lockFile);
  // Waits until the lock is free and takes it; false when the lock file
  // cannot be created, opened or locked, or is a symbolic link. For a short
  // lock across one read-modify-write of a small file.
  bool Lock(const std::filesystem::path& lockFile);
  ExclusiveFileLock() = default;
  ~ExclusiveFileLock();
  ExclusiveFileLock(const ExclusiveFileLock&) = delete;
  ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;
  bool IsHeld() const { return handle_ != -1; }

 private:
  std::intptr_t handle_ = -1;
  std::intptr_t directoryHandle_ = -1;  // POSIX: TryLock's directory lock
};

}  // namespace torvane::platform
