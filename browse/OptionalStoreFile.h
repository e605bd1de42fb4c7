#pragma once
// Opening the horse and race files of the store, which may be missing: a
// missing file is normal (nothing is shown for it), a file that exists but
// cannot be opened is reported.

#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "browse/LoadResult.h"
#include "platform/Paths.h"
#include "store/RecordFile.h"

namespace torvane {

// Opens path into reader. False when the path is empty (the record named no
// file) or the file is missing; also false, with a warning added, when the
// file exists but cannot be opened. A file that ends in a partial record
// (cut short, or a line of another length) is opened with a warning.
bool OpenIfPresent(RecordFileReader& reader, const std::filesystem::path& path, std::size_t recordSize,
                   std::vector<LoadWarning>& warnings);
// The same for a file whose records have one of several sizes
// (RecordFileReader::Open).
bool OpenIfPresent(RecordFileReader& reader, const std::filesystem::path& path,
                   std::initializer_list<std::size_t> recordSizes, std::vector<LoadWarning>& warnings);

// Whether record (number index, 0-based, of the file at path) is a record of
// recordType ending in CR LF, as every record of a store file is. When it is
// not (a record of another type, or bytes that are no record at all), a
// warning is added unless the file already has one of this kind, and the
// caller leaves the element blank.
bool IsSoundRecord(std::string_view record, std::string_view recordType, const std::filesystem::path& path,
                   std::size_t index, std::vector<LoadWarning>& warnings);

}  // namespace torvane
