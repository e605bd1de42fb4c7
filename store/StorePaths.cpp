#include "store/StorePaths.h"

#include <algorithm>
#include <initializer_list>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torvane {
namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDigits(std::string_view text, std::size_t length) {
  return text.size() == length && std::all_of(text.begin(), text.end(), IsAsciiDigit);
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

bool IsRacecourseCode(std::string_view code) {
  return code.size() == 2 &&
         std::all_of(code.begin(), code.end(), [](char c) { return IsAsciiDigit(c) || IsAsciiLetter(c); });
}

bool IsBloodNumber(std::string_view number) { return IsDigits(number, 10); }

void CreateStoreDirectories(const std::filesystem::path& programDir) {
  for (const std::string_view name : {kDataDirName, kSeiDirName, kSeirDirName, kUmaDirName})
    platform::CreateDirectories(programDir / name);
}

std::filesystem::path DateFilePath(const std::filesystem::path& programDir, const RaceDay& day) {
  return StoreFilePath(programDir, {kDataDirName, day.Text()}, kDateFileExtension);
}

std::optional<RaceDay> RaceDayOfFileName(std::string_view fileNameUtf8) {
  if (!fileNameUtf8.ends_with(kDateFileExtension)) return std::nullopt;
  fileNameUtf8.remove_suffix(kDateFileExtension.size());
  return RaceDay::FromText(fileNameUtf8);
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
