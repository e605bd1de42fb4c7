#include "platform/Paths.h"

#include "platform/FileError.h"

namespace torvane::platform {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string Utf8OfPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

FileError FileErrorAt(std::string_view what, const std::filesystem::path& path, std::string_view reason) {
  std::string message(what);
  message.append(" ").append(Utf8OfPath(path)).append(": ").append(reason);
  return FileError(message);
}

}  // namespace torvane::platform
