#include "store/StorePaths.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

#include "platform/Paths.h"

namespace torvane {
namespace {

// 年, 月 and 日 in CP932 (the date text inside the program) and in UTF-8 (the
// date file names on disk).
constexpr std::string_view kYearCp932 = "\x94\x4e";
constexpr std::string_view kMonthCp932 = "\x8c\x8e";
constexpr std::string_view kDayCp932 = "\x93\xfa";
constexpr std::string_view kYearUtf8 = "\xe5\xb9\xb4";
constexpr std::string_view kMonthUtf8 = "\xe6\x9c\x88";
constexpr std::string_view kDayUtf8 = "\xe6\x97\xa5";

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDigits(std::string_view text, std::size_t length) {
  return text.size() == length && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

using DateDigits = std::array<std::string_view, 3>;  // yyyy, mm, dd

// The three digit groups of "<4 digits><y><2 digits><m><2 digits><d>", or
// nothing when the text is not of that form.
std::optional<DateDigits> SplitDate(std::string_view text, const std::array<std::string_view, 3>& marks) {
  constexpr std::size_t kLengths[3] = {4, 2, 2};
  DateDigits digits;
  for (int i = 0; i < 3; ++i) {
    digits[i] = text.substr(0, kLengths[i]);
    if (!IsDigits(digits[i], kLengths[i])) return std::nullopt;
    text.remove_prefix(kLengths[i]);
    if (!text.starts_with(marks[i])) return std::nullopt;
    text.remove_prefix(marks[i].size());
  }
  if (!text.empty()) return std::nullopt;
  return digits;
}

// programDir/<parts...><extension>, put together as one text: a load builds
// thousands of these, and each "/" on a path would parse it anew.
std::filesystem::path StoreFilePath(const std::filesystem::path& programDir,
                                    std::initializer_list<std::string_view> parts, std::string_view extension) {
  constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
  std::string text = platform::Utf8OfPath(programDir);
  for (const std::string_view part : parts) {
    if (!text.empty() && text.back() != '/' && text.back() != kSeparator) text += kSeparator;
    text += part;
  }
  text += extension;
  return platform::PathFromUtf8(text);
}

}  // namespace

bool IsDateDigits(std::string_view yyyymmdd) { return IsDigits(yyyymmdd, 8); }

bool IsRacecourseCode(std::string_view code) {
  return code.size() == 2 &&
         std::all_of(code.begin(), code.end(), [](char c) { return IsAsciiDigit(c) || IsAsciiLetter(c); });
}

bool IsBloodNumber(std::string_view number) { return IsDigits(number, 10); }

void CreateStoreDirectories(const std::filesystem::path& programDir) {
  for (const std::string_view name : {kDataDirName, kSeiDirName, kSeirDirName, kUmaDirName})
    std::filesystem::create_directories(programDir / name);
}

std::string DateText(std::string_view year, std::string_view month, std::string_view day) {
  std::string text;
  text.reserve(14);
  text.append(year).append(kYearCp932).append(month).append(kMonthCp932).append(day).append(kDayCp932);
  return text;
}

std::filesystem::path DateFilePath(const std::filesystem::path& programDir, std::string_view dateTextCp932) {
  const auto digits = SplitDate(dateTextCp932, {kYearCp932, kMonthCp932, kDayCp932});
  if (!digits) return {};
  const auto& [year, month, day] = *digits;
  std::string name(year);
  name.append(kYearUtf8).append(month).append(kMonthUtf8).append(day).append(kDayUtf8);
  return StoreFilePath(programDir, {kDataDirName, name}, kDateFileExtension);
}

std::string DateTextOfFileName(std::string_view fileNameUtf8) {
  if (!fileNameUtf8.ends_with(kDateFileExtension)) return {};
  fileNameUtf8.remove_suffix(kDateFileExtension.size());
  const auto digits = SplitDate(fileNameUtf8, {kYearUtf8, kMonthUtf8, kDayUtf8});
  if (!digits) return {};
  const auto& [year, month, day] = *digits;
  return DateText(year, month, day);
}

std::filesystem::path RaFilePath(const std::filesystem::path& programDir, std::string_view yearDateCourse) {
  if (yearDateCourse.size() != 10 || !IsDateDigits(yearDateCourse.substr(0, 8)) ||
      !IsRacecourseCode(yearDateCourse.substr(8)))
    return {};
  return StoreFilePath(programDir, {kSeirDirName, yearDateCourse.substr(0, 4), yearDateCourse}, kRaFileExtension);
}

std::filesystem::path SeFilePath(const std::filesystem::path& programDir, std::string_view bloodNumber) {
  if (!IsBloodNumber(bloodNumber)) return {};
  return StoreFilePath(programDir, {kSeiDirName, bloodNumber.substr(0, 4), bloodNumber}, kSeFileExtension);
}

std::filesystem::path UmFilePath(const std::filesystem::path& programDir, std::string_view bloodNumber) {
  if (!IsBloodNumber(bloodNumber)) return {};
  return StoreFilePath(programDir, {kUmaDirName, bloodNumber.substr(0, 4), bloodNumber}, kUmFileExtension);
}

}  // namespace torvane
