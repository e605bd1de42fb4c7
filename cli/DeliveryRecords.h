#pragma once
// The records of a delivered file for import, read a record at a time
// whatever the file's size: each ends in CR LF, and bytes after the last
// CR LF form a last record of their own (which the writer then refuses).

#include <cstdint>
#include <string>

#include "platform/Files.h"

namespace torvane::cli {

// Far above the longest JV-Data record: the rest of a longer "record" is
// skipped, not gathered, so that a file of one endless line costs no memory.
inline constexpr std::size_t kMaxImportRecordBytes = 1 << 20;

class DeliveryRecords {
 public:
  // Throws FileError (naming the path) when the file cannot be opened or is
  // no regular file.
  explicit DeliveryRecords(const std::filesystem::path& path);

  // The next record into record, at most kMaxImportRecordBytes of it, and its
  // whole length into length; false after the last one. Throws FileError
  // (naming the path) when the file cannot be read.
  bool Next(std::string& record, std::uint64_t& length);

 private:
  bool Fill();

  platform::ReadOnlyFile file_;
  std::uint64_t offset_ = 0;  // of the file, read into chunk_ so far
  std::string chunk_;
  std::size_t start_ = 0;  // where the next record begins in chunk_
};

}  // namespace torvane::cli
