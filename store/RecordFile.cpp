#include "store/RecordFile.h"

#include "platform/Paths.h"

namespace torvane {

RecordFileReader::~RecordFileReader() { Close(); }

void RecordFileReader::Open(const std::filesystem::path& path, std::size_t recordSize) {
  Close();
  file_.Open(path);
  const auto size = static_cast<std::size_t>(file_.Size());
  path_ = platform::Utf8OfPath(path);
  recordSize_ = recordSize;
  count_ = recordSize == 0 ? 0 : size / recordSize;
  trailingBytes_ = size - count_ * recordSize;
}

void RecordFileReader::Open(const std::filesystem::path& path, std::initializer_list<std::size_t> recordSizes) {
  Open(path, recordSizes.size() == 0 ? 0 : *recordSizes.begin());
  const std::size_t size = count_ * recordSize_ + trailingBytes_;
  for (const std::size_t recordSize : recordSizes) {
    if (recordSize == 0 || size % recordSize != 0) continue;
    recordSize_ = recordSize;
    count_ = size / recordSize;
    trailingBytes_ = 0;
    return;
  }
}

void RecordFileReader::Close() {
  file_.Close();
  count_ = 0;
  trailingBytes_ = 0;
}

void RecordFileReader::Read(std::size_t index, char* dest) const { ReadRange(index, 1, dest); }

void RecordFileReader::ReadRange(std::size_t first, std::size_t count, char* dest) const {
  if (first > count_ || count > count_ - first)
    throw StoreError("records " + std::to_string(first) + " to " + std::to_string(first + count) +
                     " are past the end of " + path_ + " (" + std::to_string(count_) + " records)");
  if (!file_.ReadAt(static_cast<std::uint64_t>(first) * recordSize_, dest, count * recordSize_))
    throw StoreError("cannot read " + path_ + ": the file ends before record " + std::to_string(first + count));
}

void RecordFileReader::ReadPart(std::size_t index, std::size_t offset, std::size_t length, char* dest) const {
  if (index >= count_ || offset > recordSize_ || length > recordSize_ - offset)
    throw StoreError("bytes " + std::to_string(offset) + " to " + std::to_string(offset + length) + " of record " +
                     std::to_string(index) + " are outside the records of " + path_);
  if (!file_.ReadAt(static_cast<std::uint64_t>(index) * recordSize_ + offset, dest, length))
    throw StoreError("cannot read " + path_ + ": the file ends within record " + std::to_string(index));
}

std::vector<std::string> ReadAllRecords(const std::filesystem::path& path, std::size_t recordSize) {
  const std::string contents = ReadFileContents(path);
  std::vector<std::string> records;
  if (recordSize == 0) return records;
  records.reserve(contents.size() / recordSize);
  for (std::size_t at = 0; at + recordSize <= contents.size(); at += recordSize)
    records.emplace_back(contents, at, recordSize);
  return records;
}

}  // namespace torvane
