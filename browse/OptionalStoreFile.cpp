#include "browse/OptionalStoreFile.h"
#include "store/SystemErrorText.h"

#include <string>
#include <system_error>

namespace torvane {

bool OpenIfPresent(RecordFileReader& reader, const std::filesystem::path& path, std::size_t recordSize,
                   std::vector<LoadWarning>& warnings) {
  if (path.empty()) return false;
  // Opening first and asking about existence only on failure saves a look-up
  // per file in the usual case, where the file is there.
  try {
    reader.Open(path, recordSize);
    // Still used: its whole records are what a reader can make of it.
    if (reader.TrailingBytes() != 0)
      warnings.push_back({path, "the store file " + path.string() + " is damaged: its last " +
                                    std::to_string(reader.TrailingBytes()) + " bytes are no whole record of " +
                                    std::to_string(recordSize) + " bytes (cut short, or a line of another length)"});
    return true;
  } catch (const StoreError& error) {
    std::error_code statusError;
    const auto status = std::filesystem::status(path, statusError);
    if (status.type() == std::filesystem::file_type::not_found) return false;
    warnings.push_back({path, JapaneseErrorText(error)});
    return false;
  }
}

}  // namespace torvane
