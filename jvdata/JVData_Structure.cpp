#include "jvdata/JVData_Structure.h"

namespace torvane {

std::size_t RecordSizeOf(std::string_view recordType) {
  if (recordType == "TK") return kTkRecordSize;
  if (recordType == "RA") return kRaRecordSize;
  if (recordType == "SE") return kSeRecordSize;
  if (recordType == "UM") return kUmRecordSize;
  return 0;
}

bool IsRecordSizeOf(std::string_view recordType, std::size_t size) {
  if (recordType == "UM" && size == kUmCurrentRecordSize) return true;
  const std::size_t typeSize = RecordSizeOf(recordType);
  return typeSize != 0 && size == typeSize;
}

}  // namespace torvane
