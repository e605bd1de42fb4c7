#pragma once
// Builds JV-Data records field by field: the demo deliveries and the tests make
// their records with it. A new record is all blanks with its type ID in bytes
// 1-2 and CR LF in its last two bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

class RecordBuilder {
 public:
  // recordType is "TK", "RA", "SE" or "UM"; any other type throws std::invalid_argument.
  explicit RecordBuilder(std::string_view recordType);
  // A record of a size its type may have (IsRecordSizeOf): the current UM
  // layout; any other size throws std::invalid_argument.
  RecordBuilder(std::string_view recordType, std::size_t size);

  // Raw CP932 bytes at a 1-based position; throws std::out_of_range past the record's data.
  RecordBuilder& Raw(int position, std::string_view cp932);
  // A UTF-8 text converted to CP932, cut or padded with half-width blanks to length bytes.
  // A cut never splits a double-byte character: the remainder is blank-padded.
  RecordBuilder& Text(int position, int length, std::string_view utf8);
  // A non-negative number zero-padded to length digits.
  RecordBuilder& Digits(int position, int length, std::int64_t value);

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace torvane
