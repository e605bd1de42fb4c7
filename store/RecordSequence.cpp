#include "store/RecordSequence.h"

#include <algorithm>
#include <vector>

#include "jvdata/JVData_Structure.h"

namespace torvane {
namespace {

std::string_view RecordAt(std::string_view contents, std::size_t index, std::size_t size) {
  return contents.substr(index * size, size);
}

}  // namespace

std::string RecordSequenceProblem(std::string_view contents, std::string_view recordType, std::size_t recordSize) {
  if (recordSize == 0 || contents.size() % recordSize != 0)
    return std::to_string(contents.size()) + " bytes are not whole records of " + std::to_string(recordSize) + " bytes";
  for (std::size_t i = 0; i < contents.size() / recordSize; ++i) {
    const std::string_view record = RecordAt(contents, i, recordSize);
    if (!record.ends_with("\r\n")) return "record " + std::to_string(i + 1) + " does not end in CR LF";
    if (!record.starts_with(recordType))
      return "record " + std::to_string(i + 1) + " is not of type " + std::string(recordType);
  }
  return {};
}

bool SortRecords(std::string& contents, std::size_t recordSize) {
  const std::size_t count = contents.size() / recordSize;
  std::vector<std::string_view> records;
  records.reserve(count);
  for (std::size_t i = 0; i < count; ++i) records.push_back(RecordAt(contents, i, recordSize));
  if (std::is_sorted(records.begin(), records.end())) return false;
  std::sort(records.begin(), records.end());
  std::string sorted;
  sorted.reserve(contents.size());
  for (const std::string_view record : records) sorted.append(record);
  contents = std::move(sorted);
  return true;
}

bool PutRecord(std::string& contents, std::string_view record) {
  const std::size_t size = record.size();
  const std::string_view key = RaceKeyOf(record);
  for (std::size_t i = 0; i < contents.size() / size; ++i) {
    const std::string_view stored = RecordAt(contents, i, size);
    if (RaceKeyOf(stored) != key) continue;
    if (stored == record) return false;
    contents.erase(i * size, size);
    break;
  }
  // The rest is sorted: the record's place is after every record not above it.
  std::size_t low = 0, high = contents.size() / size;
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (RecordAt(contents, middle, size) <= record)
      low = middle + 1;
    else
      high = middle;
  }
  contents.insert(low * size, record);
  return true;
}

}  // namespace torvane
