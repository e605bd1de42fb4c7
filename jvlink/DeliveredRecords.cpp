#include "jvlink/DeliveredRecords.h"

#include <string_view>

#include "jvdata/Cp932.h"
#include "platform/FileSystem.h"

namespace torvane {
namespace {

// What the conversion makes of bytes that are no CP932 character.
constexpr char16_t kNotCp932 = u'\uFFFD';

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

DeliveredFile::DeliveredFile(const std::filesystem::path& path) {
  // Opening anything but a regular file could wait forever (a FIFO) or read
  // no end of bytes (a device).
  if (!platform::IsRegularFile(path)) {
    code_ = kFileNotFound;
    return;
  }
  try {
    file_.Open(path);
  } catch (const platform::FileError&) {
    code_ = kFileNotFound;
    return;
  }
  code_ = Check();
  pending_.clear();
  start_ = 0;
  offset_ = 0;
}

std::int32_t DeliveredFile::Check() {
  std::string record;
  bool any = false;
  for (;;) {
    const std::int32_t step = NextBytes(record);
    if (step == 0) return any ? 0 : kFileSizeAbnormal;
    if (step < 0) return step;
    if (Cp932ToUtf16(record).find(kNotCp932) != std::u16string::npos) return kFileContentsAbnormal;
    any = true;
  }
}

std::int32_t DeliveredFile::NextBytes(std::string& record) {
  std::size_t searchFrom = start_;
  for (;;) {
    const std::size_t end = pending_.find("\r\n", searchFrom);
    if (end != std::string::npos) {
      if (end == start_) return kFileContentsAbnormal;  // an empty record
      record.assign(pending_, start_, end + 2 - start_);
      start_ = end + 2;
      return 1;
    }
    if (pending_.size() - start_ > kMaxDeliveredRecordBytes) return kFileContentsAbnormal;
    pending_.erase(0, start_);
    start_ = 0;
    // A CR at the end of what was read may be followed by its LF in the next chunk.
    searchFrom = pending_.empty() ? 0 : pending_.size() - 1;
    const std::size_t kept = pending_.size();
    pending_.resize(kept + kChunkBytes);
    std::size_t got = 0;
    try {
      got = file_.ReadUpTo(offset_, pending_.data() + kept, kChunkBytes);
    } catch (const platform::FileError&) {
      pending_.resize(kept);
      return kFileNotFound;
    }
    offset_ += got;
    pending_.resize(kept + got);
    if (got == 0) {
      if (pending_.empty()) return 0;
      return kFileContentsAbnormal;  // the last record lacks its CR LF
    }
  }
}

std::int32_t DeliveredFile::Next(std::u16string& record) {
  if (code_ != 0) return code_;
  std::string bytes;
  const std::int32_t step = NextBytes(bytes);
  if (step <= 0) return step;
  record = Cp932ToUtf16(bytes);
  if (record.find(kNotCp932) != std::u16string::npos) return kFileContentsAbnormal;
  return static_cast<std::int32_t>(bytes.size());
}

}  // namespace torvane
