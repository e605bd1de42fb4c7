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
  // A file its owner made read-only is to be kept as it is; replacing it
  // would go round that, since a rename needs only the directory's leave.
  const std::filesystem::file_status status = std::filesystem::status(target, error);
  if (!error && std::filesystem::exists(status) &&
      (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
    return false;
  try {
    platform::ReplaceFileAtomically(target, contents, platform::Durability::kFlushedToDisk);
    return true;
  } catch (const platform::FileError&) {
    return false;
  }
}

}  // namespace torvane
