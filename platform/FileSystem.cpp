#include "platform/FileSystem.h"

#include "platform/Paths.h"

namespace torvane::platform {

std::vector<DirectoryEntry> ListDirectory(const std::filesystem::path& directory) {
  std::vector<DirectoryEntry> entries;
  for (const auto& entry : std::filesystem::directory_iterator(directory))
    entries.push_back({Utf8OfPath(entry.path().filename()), entry.is_regular_file()});
  return entries;
}

std::vector<std::filesystem::path> EntriesBelowQuietly(const std::filesystem::path& directory) noexcept {
  std::vector<std::filesystem::path> entries;
  try {
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(directory, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
      entries.push_back(it->path());
  } catch (const std::exception&) {
    // Out of memory for the list: what was found so far is all there is.
  }
  return entries;
}

void CreateDirectories(const std::filesystem::path& directory) { std::filesystem::create_directories(directory); }

void CreateDirectories(const std::filesystem::path& directory, std::error_code& error) noexcept {
  std::filesystem::create_directories(directory, error);
}

void CreateDirectory(const std::filesystem::path& directory, std::error_code& error) noexcept {
  std::filesystem::create_directory(directory, error);
}

bool IsDirectory(const std::filesystem::path& path) { return std::filesystem::is_directory(path); }

bool IsDirectory(const std::filesystem::path& path, std::error_code& error) noexcept {
  return std::filesystem::is_directory(path, error);
}

bool IsRegularFile(const std::filesystem::path& path) noexcept {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool Exists(const std::filesystem::path& path) noexcept {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

bool IsMissing(const std::filesystem::path& path) noexcept {
  std::error_code error;
  return std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found;
}

std::optional<std::filesystem::path> ResolvedLink(const std::filesystem::path& path) noexcept {
  try {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    std::filesystem::path target = std::filesystem::canonical(path, error);
    if (error) return std::nullopt;
    return target;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool IsOwnerReadOnly(const std::filesystem::path& path) noexcept {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  return !error && std::filesystem::exists(status) &&
         (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

std::optional<SizeAndTime> SizeAndTimeOf(const std::filesystem::path& path) noexcept {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  const std::filesystem::file_time_type modified = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return SizeAndTime{size, modified};
}

std::filesystem::path AbsolutePath(const std::filesystem::path& path) { return std::filesystem::absolute(path); }

std::string CopyReplacing(const std::filesystem::path& source, const std::filesystem::path& target,
                          Durability durability) {
  std::string contents = ReadFileContents(source);
  ReplaceFileAtomically(target, contents, durability);
  std::filesystem::last_write_time(target, std::filesystem::last_write_time(source));
  return contents;
}

}  // namespace torvane::platform
