#include <windows.h>

#include <cerrno>

#include "platform/Win32Error.h"

namespace torvane::platform {

std::error_code Win32ErrorCode(unsigned long error) {
  const auto portable = [](int code) { return std::error_code(code, std::generic_category()); };
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return portable(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return portable(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return portable(ENOSPC);
    case ERROR_WRITE_PROTECT:
      return portable(EROFS);
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
      return portable(ENAMETOOLONG);
    case ERROR_DIRECTORY:
      return portable(ENOTDIR);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return portable(EEXIST);
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_IO_DEVICE:
      return portable(EIO);
    default:
      return std::error_code(static_cast<int>(error), std::system_category());
  }
}

std::error_code LastWin32Error() { return Win32ErrorCode(::GetLastError()); }

}  // namespace torvane::platform
