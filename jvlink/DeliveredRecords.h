#pragma once
// Loading one fetched data file into its records, with the checks JV-Link
// makes on a downloaded file before it hands out any record of it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace torvane {

struct DeliveredRecords {
  std::int32_t code = 0;             // 0, or the JVRead error the file causes
  std::vector<std::u16string> records;  // each record as JVRead gives it, CR LF included
  std::vector<std::int32_t> sizes;      // their CP932 byte lengths
};

// Error codes of a file that cannot be read out.
inline constexpr std::int32_t kFileSizeAbnormal = -402;     // an empty file
inline constexpr std::int32_t kFileContentsAbnormal = -403;  // not a sequence of CR LF-ended CP932 records
inline constexpr std::int32_t kFileNotFound = -503;          // the file is gone

// Loads the file: -503 when it does not exist or cannot be opened, -402 when
// it is empty, -403 when a record is empty, lacks its CR LF, or holds bytes
// that are not CP932 characters (the wide string could not carry them).
DeliveredRecords LoadDeliveredRecords(const std::filesystem::path& path);

}  // namespace torvane
