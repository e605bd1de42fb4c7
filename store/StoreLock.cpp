#include "store/StoreLock.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

// Present while a writer runs; found by the next writer only when that one
// was killed.
constexpr std::string_view kWritingMarkName = ".torvane-writing";

// The id of the writer that made a temporary file: its names are
// ".<file>.<process id>-<number>.tmp" (platform/Files.h).
std::optional<platform::ProcessId> WriterOf(std::string_view name) {
  name.remove_suffix(platform::kTemporaryFileSuffix.size());
  const std::size_t dot = name.rfind('.');
  const std::size_t dash = name.rfind('-');
  if (dot == std::string_view::npos || dash == std::string_view::npos || dash <= dot + 1) return std::nullopt;
  platform::ProcessId id = 0;
  for (const char c : name.substr(dot + 1, dash - dot - 1)) {
    if (c < '0' || c > '9' || id > (std::numeric_limits<platform::ProcessId>::max() - 9) / 10) return std::nullopt;
    id = id * 10 + static_cast<platform::ProcessId>(c - '0');
  }
  return id;
}

// A file that a killed writer left: a temporary file of a process that has
// ended (never one that still writes).
bool IsLeftOver(const std::string& name) {
  if (!name.starts_with('.') || !name.ends_with(platform::kTemporaryFileSuffix)) return false;
  const std::optional<platform::ProcessId> writer = WriterOf(name);
  return writer && *writer != platform::CurrentProcessId() && platform::ProcessHasEnded(*writer);
}

// The mark is there when the last writer did not end its run (it is replaced
// by this writer's own at once).
bool WriterWasKilled(const std::filesystem::path& mark) {
  try {
    return platform::KindOf(mark) != platform::EntryKind::Missing;
  } catch (const platform::FileError&) {
    return false;
  }
}

void RemoveLeftOversBelow(const std::filesystem::path& directory) {
  // A store directory that is a link leads outside the program directory:
  // nothing there is the store's to remove (the writer refuses the link).
  try {
    if (platform::KindOf(directory) != platform::EntryKind::Directory) return;
  } catch (const platform::FileError&) {
    return;
  }
  for (const std::filesystem::path& entry : platform::EntriesBelowQuietly(directory))
    if (IsLeftOver(platform::Utf8OfPath(entry.filename()))) platform::RemoveQuietly(entry);
}

}  // namespace

bool StoreLock::TryTake(const std::filesystem::path& programDir) {
  if (IsHeld()) return true;
  lock_.emplace();
  if (!lock_->TryLock(programDir / kStoreLockFileName)) {
    lock_.reset();
    return false;
  }
  mark_ = programDir / kWritingMarkName;
  if (WriterWasKilled(mark_))
    for (const std::string_view name : {kDataDirName, kSeiDirName, kSeirDirName, kUmaDirName})
      RemoveLeftOversBelow(programDir / name);
  try {
    platform::ReplaceFileAtomically(mark_, {});
  } catch (...) {
    lock_.reset();
    throw;
  }
  return true;
}

void StoreLock::Release() {
  if (!IsHeld()) return;
  platform::RemoveQuietly(mark_);
  lock_.reset();
}

}  // namespace torvane
