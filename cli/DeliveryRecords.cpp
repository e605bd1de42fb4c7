#include "cli/DeliveryRecords.h"

#include <algorithm>
#include <string_view>

namespace torvane::cli {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

DeliveryRecords::DeliveryRecords(const std::filesystem::path& path) { file_.Open(path); }

bool DeliveryRecords::Fill() {
  const std::uint64_t left = file_.Size() - offset_;
  if (left == 0) return false;
  chunk_.erase(0, start_);
  start_ = 0;
  const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(left, kChunkBytes));
  const std::size_t had = chunk_.size();
  chunk_.resize(had + size);
  if (!file_.ReadAt(offset_, chunk_.data() + had, size)) {
    // The file shrank under the reader: it ends where it now ends.
    chunk_.resize(had);
    offset_ = file_.Size();
    return false;
  }
  offset_ += size;
  return true;
}

bool DeliveryRecords::Next(std::string& record, std::uint64_t& length) {
  record.clear();
  length = 0;
  const auto keep = [&](std::string_view part) {
    record.append(part.substr(0, kMaxImportRecordBytes - std::min(record.size(), kMaxImportRecordBytes)));
    length += part.size();
    start_ += part.size();
  };
  for (;;) {
    const std::string_view rest = std::string_view(chunk_).substr(start_);
    const std::size_t end = rest.find("\r\n");
    if (end != std::string_view::npos) {
      keep(rest.substr(0, end + 2));
      return true;
    }
    // A CR at the end of the chunk may have its LF in the next one.
    keep(rest.substr(0, !rest.empty() && rest.back() == '\r' ? rest.size() - 1 : rest.size()));
    if (!Fill()) {
      keep(std::string_view(chunk_).substr(start_));  // the file's last bytes, without CR LF
      return length > 0;
    }
  }
}

}  // namespace torvane::cli
