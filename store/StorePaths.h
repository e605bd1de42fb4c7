#pragma once
// Where the local store keeps each record: four directories under the program
// directory, the file names built from record fields.
// The date files are named by their day's text ("2003年04月06日.jvTK", UTF-8).

#include <optional>
#include <string>
#include <string_view>

#include "jvdata/DateTime.h"
#include "platform/Paths.h"

namespace torvane {

inline constexpr std::string_view kDataDirName = "Data";  // TK date files
inline constexpr std::string_view kSeirDirName = "SEIR";  // RA files by year
inline constexpr std::string_view kSeiDirName = "SEI";    // SE files by horse
inline constexpr std::string_view kUmaDirName = "UMA";    // UM files by horse

inline constexpr std::string_view kDateFileExtension = ".jvTK";
inline constexpr std::string_view kRaFileExtension = ".jvSERA";
inline constexpr std::string_view kSeFileExtension = ".jvSEI";
inline constexpr std::string_view kUmFileExtension = ".jvUMA";

// The forms of the record fields that become parts of store paths. A field of
// any other form ("/", "..", blanks, control bytes, non-ASCII) never reaches a
// path: the path functions below give an empty path for it, which names no
// file, so no record can ever lead outside the program directory. (A date
// must pass IsDateDigits, jvdata/DateTime.h.)
bool IsRacecourseCode(std::string_view code);  // 2 ASCII letters or digits
bool IsBloodNumber(std::string_view number);   // 10 ASCII digits

// Creates Data, SEI, SEIR and UMA under programDir when missing; throws
// std::filesystem::filesystem_error when one cannot be created.
void CreateStoreDirectories(const std::filesystem::path& programDir);

// Data/<yyyy年mm月dd日>.jvTK.
std::filesystem::path DateFilePath(const std::filesystem::path& programDir, const RaceDay& day);
// The day of a date file's name, or nothing when the name is no date file's.
std::optional<RaceDay> RaceDayOfFileName(std::string_view fileNameUtf8);

// SEIR/<yyyy>/<yyyymmddcc>.jvSERA, from the 10 bytes year, month-day and
// racecourse code; empty unless they are 8 digits and a racecourse code.
std::filesystem::path RaFilePath(const std::filesystem::path& programDir, std::string_view yearDateCourse);
// SEI/<first four>/<blood number>.jvSEI; empty unless a blood number.
std::filesystem::path SeFilePath(const std::filesystem::path& programDir, std::string_view bloodNumber);
// UMA/<first four>/<blood number>.jvUMA; empty unless a blood number.
std::filesystem::path UmFilePath(const std::filesystem::path& programDir, std::string_view bloodNumber);

}  // namespace torvane
