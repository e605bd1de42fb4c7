#pragma once
// The stand-in's download: copies delivered files into its cache on a thread
// of its own, one file per pace, so that a caller polling JVStatus sees the
// count climb as it would while the real component fetches from the service.
//
// Each copy is written as the store writes its files: a new file, flushed to
// the disk, renamed into place, so the cache never holds a partial file under
// a delivered name. Its checksum is kept beside it, written last: a copy
// whose contents do not match it (a power cut can leave a file of the right
// size and time holding zeros) does not count as cached.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Paths.h"

namespace torvane {

struct CacheCopy {
  std::filesystem::path source;
  std::filesystem::path target;
};

// Whether the cached copy holds what its checksum says, the copy having been
// completed; false also when either cannot be read.
bool IsCompleteCopy(const std::filesystem::path& cached);

class CacheDownload {
 public:
  // Starts copying at once; the first copy comes after one pace.
  CacheDownload(std::vector<CacheCopy> copies, std::chrono::milliseconds pace);
  // Stops the copying and waits for the thread.
  ~CacheDownload();
  CacheDownload(const CacheDownload&) = delete;
  CacheDownload& operator=(const CacheDownload&) = delete;

  // Stops before the next copy and waits for the thread; copies already made stay.
  void Cancel();

  // The number of files copied so far.
  std::size_t Fetched() const;
  // Whether a copy failed; the copying stopped there.
  bool Failed() const;
  // Whether copy number index (in the order given) is in place.
  bool IsFetched(std::size_t index) const;
  // Whether no more copies will come: all made, one failed, or cancelled.
  bool Ended() const;

 private:
  void Run();

  const std::vector<CacheCopy> copies_;
  const std::chrono::milliseconds pace_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::size_t fetched_ = 0;
  bool failed_ = false;
  bool stopRequested_ = false;
  bool ended_ = false;
  std::thread thread_;  // last: starts once everything above is set up
};

}  // namespace torvane
