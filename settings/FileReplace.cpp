#include "settings/FileReplace.h"

#include <system_error>

namespace torvane {

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view contents) {
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, error)) {
    target = std::filesystem::canonical(path, error);
    if (error) return false;
  }
  try {
    platform::ReplaceFileAtomically(target, contents, platform::Durability::kFlushedToDisk);
    return true;
  } catch (const platform::FileError&) {
    return false;
  }
}

}  // namespace torvane
