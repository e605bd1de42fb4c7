#pragma once
// Small delivery folders for the tests of the stand-in, the acquisition run
// and `acquire`: records made with RecordBuilder, files named as delivered.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "jvdata/RecordBuilder.h"
#include "tests/support/TempDir.h"

namespace torvane::test {

// raceKey: yyyymmdd + racecourse 2 + meeting 2 + day 2 + race 2 (16 digits).
inline std::string TkRecord(std::string_view raceKey, std::string_view raceNameUtf8 = "テスト特別", char kind = '1') {
  return RecordBuilder("TK")
      .Raw(3, std::string(1, kind))
      .Raw(4, "20030401")
      .Raw(12, raceKey)
      .Text(33, 60, raceNameUtf8)
      .Bytes();
}

inline std::string RaRecord(std::string_view raceKey, std::string_view raceNameUtf8 = "テスト特別") {
  return RecordBuilder("RA").Raw(3, "7").Raw(4, "20030401").Raw(12, raceKey).Text(33, 60, raceNameUtf8).Bytes();
}

inline std::string SeRecord(std::string_view raceKey, std::string_view bloodNumber) {
  return RecordBuilder("SE").Raw(3, "7").Raw(4, "20030401").Raw(12, raceKey).Raw(31, bloodNumber).Bytes();
}

inline std::string UmRecord(std::string_view bloodNumber, std::string_view horseNameUtf8) {
  return RecordBuilder("UM").Raw(3, "1").Raw(4, "20030401").Raw(12, bloodNumber).Text(47, 36, horseNameUtf8).Bytes();
}

inline std::string Joined(const std::vector<std::string>& records) {
  std::string contents;
  for (const auto& record : records) contents += record;
  return contents;
}

// Writes a delivery file "<family>_<stamp>.jvd" into folder and returns its path.
inline std::filesystem::path WriteDelivery(const std::filesystem::path& folder, std::string_view family,
                                           std::string_view stamp, const std::vector<std::string>& records) {
  const auto path = folder / (std::string(family) + "_" + std::string(stamp) + ".jvd");
  WriteFile(path, Joined(records));
  return path;
}

}  // namespace torvane::test
