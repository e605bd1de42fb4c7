#pragma once
// The one writer of a program directory's store at a time. Every writer (the
// viewer's acquisition, the command-line import and acquire) takes this lock
// for its whole run; a second one is refused at once and writes nothing.

#include <optional>
#include <string_view>

#include "platform/Process.h"

namespace torvane {

inline constexpr std::string_view kStoreLockFileName = "torvane.lock";
inline constexpr std::string_view kOtherWriterText =
    "別のデータ取込みが実行中です。その終了を待ってから、もう一度実行してください。";

class StoreLock {
 public:
  StoreLock() = default;
  ~StoreLock() { Release(); }
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

  // Takes the lock of programDir; false when another writer holds it, also
  // when its lock file was removed meanwhile. A writer that was killed left
  // its temporary files in the store: they are removed here, those of
  // processes that have ended only, and never through a store directory
  // that is a link. Throws StoreError when the lock file cannot be created
  // or opened.
  bool TryTake(const std::filesystem::path& programDir);
  void Release();
  bool IsHeld() const { return lock_.has_value(); }

 private:
  std::optional<platform::ExclusiveFileLock> lock_;
  std::filesystem::path mark_;
};

}  // namespace torvane
