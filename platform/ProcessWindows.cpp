// The Win32 implementation of the process functions.
#include <windows.h>

#include <cstdlib>

#include "platform/FileError.h"
#include "platform/Process.h"
#include "platform/Win32Error.h"

namespace torvane::platform {
namespace {

// Others may open the file too, to try its lock; with keep, nobody can
// remove it while this handle is open.
HANDLE OpenLockFile(const std::filesystem::path& lockFile, bool keep) {
  const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | (keep ? 0 : FILE_SHARE_DELETE);
  return ::CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, sharing, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// Locks the whole file (every byte there could be); the last error tells
// why not.
bool LockWhole(HANDLE file, DWORD flags) {
  OVERLAPPED start{};
  return ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | flags, 0, MAXDWORD, MAXDWORD, &start) != 0;
}

}  // namespace

ProcessId CurrentProcessId() { return ::GetCurrentProcessId(); }

bool ProcessHasEnded(ProcessId id) {
  if (id == 0 || id > MAXDWORD) return false;
  const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
  // No process has this id (any more); a refusal says nothing.
  if (process == nullptr) return ::GetLastError() == ERROR_INVALID_PARAMETER;
  const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  ::CloseHandle(process);
  return ended;
}

void KillThisProcess() {
  ::TerminateProcess(::GetCurrentProcess(), 137);
  std::_Exit(137);  // not reached: the process ends in the call above
}

bool ExclusiveFileLock::TryLock(const std::filesystem::path& lockFile) {
  if (IsHeld()) return true;
  // Never through a link: the lock file is made where it is named.
  const DWORD attributes = ::GetFileAttributesW(lockFile.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    throw FileError(FileAction::Open, lockFile, std::make_error_code(std::errc::too_many_symbolic_link_levels));
  const HANDLE file = OpenLockFile(lockFile, true);
  if (file == INVALID_HANDLE_VALUE) throw FileError(FileAction::Open, lockFile, LastWin32Error());
  // LockFileEx locks belong to the handle, so a second lock taken through
  // another open of the same file fails even inside this process.
  if (!LockWhole(file, LOCKFILE_FAIL_IMMEDIATELY)) {
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) return false;
    throw FileError(FileAction::Lock, lockFile, Win32ErrorCode(error));
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return true;
}

bool ExclusiveFileLock::Lock(const std::filesystem::path& lockFile) {
  if (IsHeld()) return true;
  const HANDLE file = OpenLockFile(lockFile, false);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (!LockWhole(file, 0)) {
    ::CloseHandle(file);
    return false;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return true;
}

ExclusiveFileLock::~ExclusiveFileLock() {
  if (IsHeld()) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace torvane::platform
