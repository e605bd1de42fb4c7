#include "browse/OptionalStoreFile.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"

namespace torvane {

bool OpenIfPresent(RecordFileReader& reader, const std::filesystem::path& path, std::size_t recordSize,
                   std::vector<LoadWarning>& warnings) {
  return OpenIfPresent(reader, path, {recordSize}, warnings);
}

bool OpenIfPresent(RecordFileReader& reader, const std::filesystem::path& path,
                   std::initializer_list<std::size_t> recordSizes, std::vector<LoadWarning>& warnings) {
  if (path.empty()) return false;
  // Opening first and asking about existence only on failure saves a look-up
  // per file in the usual case, where the file is there.
  try {
    reader.Open(path, recordSizes);
    // Still used: its whole records are what a reader can make of it.
    if (reader.TrailingBytes() != 0) {
      std::string sizes;
      for (const std::size_t size : recordSizes) sizes += (sizes.empty() ? "" : " or ") + std::to_string(size);
      warnings.push_back({path, "the store file " + platform::Utf8OfPath(path) + " is damaged: its last " +
                                    std::to_string(reader.TrailingBytes()) + " bytes are no whole record of " + sizes +
                                    " bytes (cut short, or a line of another length)"});
    }
    return true;
  } catch (const StoreError& error) {
    if (platform::IsMissing(path)) return false;
    warnings.push_back({path, JapaneseErrorText(error)});
    return false;
  }
}

bool IsSoundRecord(std::string_view record, std::string_view recordType, const std::filesystem::path& path,
                   std::size_t index, std::vector<LoadWarning>& warnings) {
  if (record.starts_with(recordType) && record.ends_with("\r\n")) return true;
  const std::string message = "the store file " + platform::Utf8OfPath(path) + " is damaged: record " +
                              std::to_string(index + 1) + " is no " + std::string(recordType) + " record";
  // One warning a file: a file of random bytes would give one per record.
  const bool warned = std::any_of(warnings.begin(), warnings.end(), [&](const LoadWarning& warning) {
    return warning.path == path &&
           warning.message.find(" is no " + std::string(recordType) + " record") != std::string::npos;
  });
  if (!warned) warnings.push_back({path, message});
  return false;
}

}  // namespace torvane
