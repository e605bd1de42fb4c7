#include "jvdata/RecordBuilder.h"

#include <stdexcept>

#include "jvdata/Cp932.h"
#include "jvdata/JVData_Structure.h"

namespace torvane {

RecordBuilder::RecordBuilder(std::string_view recordType) : RecordBuilder(recordType, RecordSizeOf(recordType)) {}

RecordBuilder::RecordBuilder(std::string_view recordType, std::size_t size) {
  if (RecordSizeOf(recordType) == 0) throw std::invalid_argument("unknown record type: " + std::string(recordType));
  if (!IsRecordSizeOf(recordType, size))
    throw std::invalid_argument(std::string(recordType) + " records have no size of " + std::to_string(size) +
                                " bytes");
  bytes_.assign(size, ' ');
  bytes_.replace(0, 2, recordType);
  bytes_[size - 2] = '\r';
  bytes_[size - 1] = '\n';
}

RecordBuilder& RecordBuilder::Raw(int position, std::string_view cp932) {
  if (position < 1 || position - 1 + cp932.size() > bytes_.size() - 2)
    throw std::out_of_range("field at " + std::to_string(position) + " runs past the record");
  bytes_.replace(static_cast<std::size_t>(position - 1), cp932.size(), cp932);
  return *this;
}

RecordBuilder& RecordBuilder::Text(int position, int length, std::string_view utf8) {
  std::string cp932 = Utf8ToCp932(utf8);
  std::string field(Cp932Prefix(cp932, static_cast<std::size_t>(length)));
  field.resize(static_cast<std::size_t>(length), ' ');
  return Raw(position, field);
}

RecordBuilder& RecordBuilder::Digits(int position, int length, std::int64_t value) {
  std::string digits = std::to_string(value < 0 ? 0 : value);
  if (digits.size() > static_cast<std::size_t>(length)) digits = digits.substr(digits.size() - length);
  return Raw(position, std::string(static_cast<std::size_t>(length) - digits.size(), '0') + digits);
}

}  // namespace torvane
