#pragma once
// Builds small local stores for the browse tests: records made field by field
// and written where the store keeps them.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "jvdata/Cp932.h"
#include "jvdata/RecordBuilder.h"
#include "store/StorePaths.h"
#include "tests/support/TempDir.h"

namespace torvane::test {

// One nominated horse of a TK record.
struct HorseEntry {
  std::string runningNumber = "001";
  std::string bloodNumber = "2001100001";
  std::string name = "テストホース";  // UTF-8
  std::string markCode = "00";
  std::string sexCode = "1";
  std::string trainer = "調教師　";  // UTF-8, 8 bytes in CP932
  std::string burden = "550";
};

// A TK record of race `race` on yyyymmdd at racecourse `course`; the
// registered count is written as given (3 bytes), the entries from 0.
inline std::string TkRecordOf(std::string_view yyyymmdd, std::string_view course, int race,
                              std::string_view registeredCount, const std::vector<HorseEntry>& entries = {},
                              std::string_view meeting = "05", std::string_view day = "08") {
  RecordBuilder tk("TK");
  tk.Raw(3, "1").Raw(12, yyyymmdd).Raw(20, course).Raw(22, meeting).Raw(24, day).Digits(26, 2, race);
  tk.Raw(653, registeredCount);
  for (std::size_t h = 0; h < entries.size(); ++h) {
    const int at = 656 + 70 * static_cast<int>(h);
    const HorseEntry& e = entries[h];
    tk.Raw(at, e.runningNumber).Raw(at + 3, e.bloodNumber).Text(at + 13, 36, e.name).Raw(at + 49, e.markCode);
    tk.Raw(at + 51, e.sexCode).Text(at + 58, 8, e.trainer).Raw(at + 66, e.burden);
  }
  return tk.Bytes();
}

// An SE record of a horse in race `race` on yyyymmdd at `course`; the horse
// number marks which result it is.
inline std::string SeRecordOf(std::string_view bloodNumber, std::string_view yyyymmdd, std::string_view course,
                              int race, int horseNumber = 1) {
  RecordBuilder se("SE");
  se.Raw(3, "000000000").Raw(12, yyyymmdd).Raw(20, course).Raw(22, "01").Raw(24, "01").Digits(26, 2, race);
  se.Digits(29, 2, horseNumber).Raw(31, bloodNumber);
  return se.Bytes();
}

// An RA record; the runner count marks which record it is.
inline std::string RaRecordOf(std::string_view yyyymmdd, std::string_view course, int race, int runners = 16) {
  RecordBuilder ra("RA");
  ra.Raw(3, "000000000").Raw(12, yyyymmdd).Raw(20, course).Raw(22, "01").Raw(24, "01").Digits(26, 2, race);
  ra.Digits(882, 2, runners);
  return ra.Bytes();
}

inline std::string UmRecordOf(std::string_view bloodNumber) {
  RecordBuilder um("UM");
  um.Raw(12, bloodNumber).Raw(39, "20010315");
  return um.Bytes();
}

inline std::string Joined(const std::vector<std::string>& records) {
  std::string bytes;
  for (const auto& record : records) bytes += record;
  return bytes;
}

// The day of a "2003年04月06日" text; throws for any other text.
inline RaceDay DateOf(std::string_view utf8) { return RaceDay::FromText(utf8).value(); }

inline void WriteDateFile(const std::filesystem::path& dir, std::string_view dateUtf8,
                          const std::vector<std::string>& tk) {
  WriteFile(DateFilePath(dir, DateOf(dateUtf8)), Joined(tk));
}
inline void WriteSeFile(const std::filesystem::path& dir, std::string_view blood, const std::vector<std::string>& se) {
  WriteFile(SeFilePath(dir, blood), Joined(se));
}
inline void WriteUmFile(const std::filesystem::path& dir, std::string_view blood) {
  WriteFile(UmFilePath(dir, blood), UmRecordOf(blood));
}
inline void WriteRaFile(const std::filesystem::path& dir, std::string_view yyyymmdd, std::string_view course,
                        const std::vector<std::string>& ra) {
  WriteFile(RaFilePath(dir, std::string(yyyymmdd) + std::string(course)), Joined(ra));
}

}  // namespace torvane::test
