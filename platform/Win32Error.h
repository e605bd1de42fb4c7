#pragma once
// Win32 error codes as the error codes the rest of the program tests: the
// common ones as their portable conditions (so that a missing file or a full
// disk reads the same on both platforms), the rest as the system's own.
// Used by the *Windows.cpp files only.

#include <system_error>

namespace torvane::platform {

std::error_code Win32ErrorCode(unsigned long error);

// The calling thread's last Win32 error, as above.
std::error_code LastWin32Error();

}  // namespace torvane::platform
