#include "jvlink/CacheDownload.h"

#include <cstdint>
#include <optional>
#include <string>

#include "jvdata/PlainText.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"

namespace torvane {
namespace {

constexpr std::string_view kChecksumSuffix = ".sum";

std::filesystem::path ChecksumPath(const std::filesystem::path& cached) {
  std::filesystem::path path = cached;
  path += kChecksumSuffix;
  return path;
}

// FNV-1a over the bytes, as 16 hexadecimal digits: enough to tell a damaged
// copy from a sound one, which is all it is for.
class Checksum {
 public:
  void Add(std::string_view bytes) {
    for (const char c : bytes) hash_ = (hash_ ^ static_cast<unsigned char>(c)) * 1099511628211u;
  }
  std::string Text() const { return Formatted("%016llx", static_cast<unsigned long long>(hash_)); }

 private:
  std::uint64_t hash_ = 14695981039346656037u;
};

std::optional<std::string> FileChecksum(const std::filesystem::path& path) {
  // A cached copy is read whole, as it was written whole.
  try {
    Checksum checksum;
    checksum.Add(platform::ReadFileContents(path));
    return checksum.Text();
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool CopyIntoPlace(const CacheCopy& copy) {
  try {
    // The copy takes the delivery's time, by which a later run tells a
    // corrected delivery of the same size from the one cached.
    const std::string contents =
        platform::CopyReplacing(copy.source, copy.target, platform::Durability::kFlushedToDisk);
    Checksum checksum;
    checksum.Add(contents);
    platform::ReplaceFileAtomically(ChecksumPath(copy.target), checksum.Text(), platform::Durability::kFlushedToDisk);
    return true;
  } catch (const std::exception&) {
    // A delivery that vanished, cannot be read or does not fit in memory,
    // or a cache that cannot be written: the fetch fails, reported by JVStatus.
    return false;
  }
}

}  // namespace

bool IsCompleteCopy(const std::filesystem::path& cached) {
  const std::optional<std::string> kept = platform::ReadFileIfPresent(ChecksumPath(cached));
  if (!kept || kept->empty()) return false;
  const std::optional<std::string> actual = FileChecksum(cached);
  return actual && *actual == *kept;
}

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
