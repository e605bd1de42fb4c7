#pragma once
// Reading one fetched data file record by record, with the checks JV-Link
// makes on a downloaded file before it hands out any record of it. Memory
// stays bounded whatever the file's size: the file is checked in one pass
// and read in a second, a chunk at a time, never held whole.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Files.h"

namespace torvane {

// Error codes of a file that cannot be read out.
inline constexpr std::int32_t kFileSizeAbnormal = -402;      // an empty file
inline constexpr std::int32_t kFileContentsAbnormal = -403;  // not a sequence of CR LF-ended CP932 records
inline constexpr std::int32_t kFileNotFound = -503;          // the file is gone

// Far above the longest JV-Data record; a longer "record" is no record, and
// a file of one endless line must not be gathered into memory.
inline constexpr std::size_t kMaxDeliveredRecordBytes = 1 << 20;

class DeliveredFile {
 public:
  // Opens and checks the file: Code() is -503 when it does not exist, is not
  // a regular file or cannot be read, -402 when it is empty, -403 when a
  // record is empty, lacks its CR LF, is longer than kMaxDeliveredRecordBytes
  // or holds bytes that are not CP932 characters (the wide string could not
  // carry them); else 0.
  explicit DeliveredFile(const std::filesystem::path& path);

  std::int32_t Code() const { return code_; }
  // The next record as JVRead gives it, CR LF included: its CP932 byte
  // length, 0 after the last record, or an error code when the file changed
  // under the reader since it was checked.
  std::int32_t Next(std::u16string& record);

 private:
  // The next record's CP932 bytes into record: 1, 0 at the end, or an error code.
  std::int32_t NextBytes(std::string& record);
  std::int32_t Check();

  platform::ReadOnlyFile file_;
  std::uint64_t offset_ = 0;  // where the next read from the file begins
  std::string pending_;       // read from the file, not yet handed out
  std::size_t start_ = 0;     // where the next record begins in pending_
  std::int32_t code_ = 0;
};

}  // namespace torvane
