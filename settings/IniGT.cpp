#include "settings/IniGT.h"

#include <charconv>
#include <cstddef>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "jvdata/Cp932.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "settings/FileReplace.h"
#include "settings/PrivateProfile.h"

namespace torvane {
namespace {

// As much of a value as a 2048-byte buffer holds beside its terminating zero.
constexpr std::size_t kVisibleValueBytes = 2047;

// The half-width corner brackets "｢" and "｣" in CP932.
constexpr std::string_view kOpenCorner = "\xA2";
constexpr std::string_view kCloseCorner = "\xA3";

std::optional<std::string> ReadValue(const std::filesystem::path& file, std::string_view section,
                                     std::string_view key) {
  const std::optional<std::string> text = platform::ReadFileIfPresent(file);
  if (!text) return std::nullopt;
  const std::optional<std::string_view> value = FindProfileValue(*text, section, key);
  if (!value) return std::nullopt;
  return std::string(value->substr(0, Cp932PrefixLength(*value, kVisibleValueBytes)));
}

// Every write reads the file afresh and replaces it under the lock, so that
// a write never puts back a copy older than another writer's update: each
// value written while the lock was held is in the file afterwards.
bool WriteValues(const std::filesystem::path& file, std::string_view section,
                 std::span<const std::pair<std::string_view, std::string>> values) {
  if (file.empty()) return false;
  std::filesystem::path lockPath = file;
  lockPath += ".lock";
  platform::ExclusiveFileLock lock;
  if (!lock.Lock(lockPath)) return false;
  std::optional<std::string> text = platform::ReadFileIfPresent(file);
  if (!text) return false;  // never replace a file whose contents are unknown
  for (const auto& [key, value] : values) {
    text = SetProfileValue(*text, section, key, value);
    if (!text) return false;
  }
  return ReplaceFileContents(file, *text);
}

bool WriteValue(const std::filesystem::path& file, std::string_view section, std::string_view key, std::string value) {
  const std::pair<std::string_view, std::string> values[] = {{key, std::move(value)}};
  return WriteValues(file, section, values);
}

std::optional<int> ParseInteger(std::string_view text) {
  int base = 10;
  bool signAllowed = true;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    signAllowed = false;
    text.remove_prefix(2);
  } else if (text.starts_with('+')) {
    signAllowed = false;
    text.remove_prefix(1);
  }
  // from_chars reads a minus sign of its own; none may follow "0x" or "+".
  if (!signAllowed && text.starts_with('-')) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Brackets that let a stored value keep blanks at its ends; a lone quote (one
// byte) stays as it is.
std::string Unquoted(std::string_view raw) {
  const bool quoted = raw.starts_with('"') && raw.ends_with('"');
  const bool cornered = raw.starts_with(kOpenCorner) && raw.ends_with(kCloseCorner) && Cp932EndsWithSingleByte(raw);
  if (raw.size() >= 2 && (quoted || cornered)) return std::string(raw.substr(1, raw.size() - 2));
  return std::string(raw);
}

}  // namespace

TIniGT::TIniGT(std::filesystem::path applicationDir, std::string_view executableName)
    : applicationDir_(std::move(applicationDir)) {
  SetFileName(std::filesystem::path(executableName).filename().replace_extension(".ini").string());
}

void TIniGT::SetFileName(std::string fileName) {
  fileName_ = std::move(fileName);
  ResolvePath();
}

void TIniGT::ResolvePath() {
  const std::filesystem::path name(fileName_);
  if (fileName_.empty()) {
    filePath_.clear();
  } else if (name.has_parent_path()) {
    filePath_ = name;
  } else {
    filePath_ = applicationDir_ / name;
  }
}

bool TIniGT::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniGT::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteValue(filePath_, section, key, value ? "1" : "0");
}

int TIniGT::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  const std::optional<std::string> value = ReadValue(filePath_, section, key);
  if (!value) return defaultValue;
  return ParseInteger(*value).value_or(defaultValue);
}

bool TIniGT::WriteInteger(std::string_view section, std::string_view key, int value) {
  return WriteValue(filePath_, section, key, std::to_string(value));
}

std::string TIniGT::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
  const std::optional<std::string> value = ReadValue(filePath_, section, key);
  return value ? Unquoted(*value) : std::string(defaultValue);
}

bool TIniGT::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  return WriteValue(filePath_, section, key, std::string(value));
}

bool TIniGT::WriteIntegers(std::string_view section, std::initializer_list<std::pair<std::string_view, int>> values) {
  std::vector<std::pair<std::string_view, std::string>> texts;
  for (const auto& [key, value] : values) texts.emplace_back(key, std::to_string(value));
  return WriteValues(filePath_, section, texts);
}

}  // namespace torvane
