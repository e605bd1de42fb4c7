#include "store/StoreLock.h"

#include <string>
#include <system_error>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

// Present while a writer runs; found by the next writer only when that one
// was killed. Earlier versions named theirs with a process id after it.
constexpr std::string_view kWritingMarkName = ".torvane-writing";
// The spare files of earlier versions, left by a killed writer.
constexpr std::string_view kOldSparePrefix = ".torvane-spare-";

bool IsLeftOver(const std::string& name) {
  return name.starts_with('.') && (name.ends_with(platform::kTemporaryFileSuffix) || name.starts_with(kOldSparePrefix));
}

void RemoveLeftOversBelow(const std::filesystem::path& directory) {
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(directory, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
    if (IsLeftOver(platform::Utf8OfPath(it->path().filename()))) platform::RemoveQuietly(it->path());
}

}  // namespace

bool StoreLock::TryTake(const std::filesystem::path& programDir) {
  if (IsHeld()) return true;
  lock_.emplace();
  if (!lock_->TryLock(programDir / kStoreLockFileName)) {
    lock_.reset();
    return false;
  }
  bool writerWasKilled = false;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(programDir, ignored)) {
    const std::string name = platform::Utf8OfPath(entry.path().filename());
    if (!name.starts_with(kWritingMarkName)) continue;
    writerWasKilled = true;
    platform::RemoveQuietly(entry.path());
  }
  if (writerWasKilled)
    for (const std::string_view name : {kDataDirName, kSeiDirName, kSeirDirName, kUmaDirName})
      RemoveLeftOversBelow(programDir / name);
  mark_ = programDir / kWritingMarkName;
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
