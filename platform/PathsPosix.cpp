#include <unistd.h>

#include <system_error>

#include "platform/Paths.h"

namespace torvane::platform {

std::filesystem::path ExecutableDir() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path();
  return exe.parent_path();
}

bool IsWritableDirectory(const std::filesystem::path& directory) { return ::access(directory.c_str(), W_OK) == 0; }

std::filesystem::path LocalAppDataDir() { return {}; }

}  // namespace torvane::platform
