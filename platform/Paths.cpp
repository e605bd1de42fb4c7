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

namespace {

const char* EnglishAction(FileAction action) {
  switch (action) {
    case FileAction::Open:
      return "cannot open";
    case FileAction::Read:
      return "cannot read";
    case FileAction::ReadSize:
      return "cannot read the size of";
    case FileAction::Examine:
      return "cannot examine";
    case FileAction::Write:
      return "cannot write";
    case FileAction::Replace:
      return "cannot replace";
    case FileAction::CreateDirectory:
      return "cannot create the directory";
    case FileAction::Lock:
      return "cannot lock";
    case FileAction::Flush:
      return "cannot flush to the disk";
  }
  return "cannot use";
}

}  // namespace

FileError::FileError(FileAction action, const std::filesystem::path& path, std::error_code code)
    : std::runtime_error(std::string(EnglishAction(action)) + " " + Utf8OfPath(path) + ": " + code.message()),
      action_(action),
      path_(path),
      code_(code) {}

}  // namespace torvane::platform
