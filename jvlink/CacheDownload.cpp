#include "jvlink/CacheDownload.h"

#include <system_error>

namespace torvane {
namespace {

bool CopyIntoPlace(const CacheCopy& copy) {
  std::filesystem::path partial = copy.target;
  partial += ".part";
  std::error_code error;
  // Whatever an earlier copy (or anyone) left under the temporary name goes
  // first, a symbolic link as the link itself: the copy then creates its file
  // exclusively and never writes through a link to outside the cache.
  std::filesystem::remove(partial, error);
  if (!error) std::filesystem::copy_file(copy.source, partial, std::filesystem::copy_options::none, error);
  // The copy takes the delivery's time, by which a later run tells a
  // corrected delivery of the same size from the one cached.
  std::filesystem::file_time_type delivered;
  if (!error) delivered = std::filesystem::last_write_time(copy.source, error);
  if (!error) std::filesystem::last_write_time(partial, delivered, error);
  if (!error) std::filesystem::rename(partial, copy.target, error);
  if (!error) return true;
  std::filesystem::remove(partial, error);
  return false;
}

}  // namespace

CacheDownload::CacheDownload(std::vector<CacheCopy> copies, std::chrono::milliseconds pace)
    : copies_(std::move(copies)), pace_(pace), thread_([this] { Run(); }) {}

CacheDownload::~CacheDownload() { Cancel(); }

void CacheDownload::Cancel() {
  {
    const std::lock_guard lock(mutex_);
    stopRequested_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

std::size_t CacheDownload::Fetched() const {
  const std::lock_guard lock(mutex_);
  return fetched_;
}

bool CacheDownload::Failed() const {
  const std::lock_guard lock(mutex_);
  return failed_;
}

bool CacheDownload::IsFetched(std::size_t index) const {
  const std::lock_guard lock(mutex_);
  return index < fetched_;
}

bool CacheDownload::Ended() const {
  const std::lock_guard lock(mutex_);
  return ended_;
}

void CacheDownload::Run() {
  for (const CacheCopy& copy : copies_) {
    {
      std::unique_lock lock(mutex_);
      if (wake_.wait_for(lock, pace_, [this] { return stopRequested_; })) break;
    }
    // The copy runs unlocked so that polling callers never wait for the disk.
    const bool copied = CopyIntoPlace(copy);
    const std::lock_guard lock(mutex_);
    if (!copied) {
      failed_ = true;
      break;
    }
    ++fetched_;
  }
  const std::lock_guard lock(mutex_);
  ended_ = true;
}

}  // namespace torvane
