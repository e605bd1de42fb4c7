#pragma once
// The operating system's failures worded in Japanese, for the messages the
// user reads: every text of the program is Japanese, and the system's own
// reasons ("Permission denied") are not.

#include <exception>
#include <string>
#include <system_error>

namespace torvane {

// The reason of a failed system call: no permission, disk full, read-only
// file system, missing file or folder, not a folder, name too long, I/O
// error; any other with its number.
std::string SystemReasonText(std::error_code code);

// The error's message in Japanese, keeping the path it names: a FileError
// or std::filesystem::filesystem_error raised by the operating system is
// worded here; any other error keeps its own message.
std::string JapaneseErrorText(const std::exception& error);

}  // namespace torvane
