#include "settings/FileReplace.h"

#include <optional>

#include "platform/FileSystem.h"

namespace torvane {

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view contents) {
  if (path.empty()) return false;
  const std::optional<std::filesystem::path> target = platform::ResolvedLink(path);
  if (!target) return false;
  // A file its owner made read-only is to be kept as it is; replacing it
  // would go round that, since a rename needs only the directory's leave.
  if (platform::IsOwnerReadOnly(*target)) return false;
  try {
    platform::ReplaceFileAtomically(*target, contents, platform::Durability::kFlushedToDisk);
    return true;
  } catch (const platform::FileError&) {
    return false;
  }
}

}  // namespace torvane
