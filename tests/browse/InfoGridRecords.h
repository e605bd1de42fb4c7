#pragma once
// Fills typed records field by field through their accessors, so that the
// information grid's tests and benchmark name fields, never positions: each
// accessor's view points into the record, which tells where to write.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "jvdata/Cp932.h"
#include "jvdata/RecordBuilder.h"

namespace torvane::test {

// A blank record of its type: type ID in bytes 1-2, CR LF at the end.
template <typename Record>
Record NewRecord(std::string_view recordType) {
  Record record;
  record.Assign(RecordBuilder(recordType).Bytes());
  return record;
}

// Writes cp932 left-aligned into the field, blank-padded; throws when it does not fit.
template <typename Record>
void PutBytes(Record& record, std::string_view field, std::string_view cp932) {
  const char* begin = record.bytes.data();
  if (field.data() < begin || field.data() + field.size() > begin + record.bytes.size())
    throw std::invalid_argument("the field is not part of this record");
  if (cp932.size() > field.size())
    throw std::length_error("'" + Cp932ToUtf8(cp932) + "' is longer than its field of " + std::to_string(field.size()) +
                            " bytes");
  char* at = record.bytes.data() + (field.data() - begin);
  std::string padded(cp932);
  padded.resize(field.size(), ' ');
  padded.copy(at, padded.size());
}

// A UTF-8 text, stored as CP932.
template <typename Record>
void PutText(Record& record, std::string_view field, std::string_view utf8) {
  PutBytes(record, field, Utf8ToCp932(utf8));
}

// A non-negative number zero-padded to the field's width.
template <typename Record>
void PutDigits(Record& record, std::string_view field, std::int64_t value) {
  std::string digits = std::to_string(value);
  if (value < 0 || digits.size() > field.size()) throw std::length_error(digits + " does not fit its digit field");
  PutBytes(record, field, std::string(field.size() - digits.size(), '0') + digits);
}

}  // namespace torvane::test
