#pragma once
// The contents of a TK, RA or SE store file held in memory: whole records of
// one type (each ending CR LF), ascending by their bytes, at most one record
// per race key.

#include <cstddef>
#include <string>
#include <string_view>

namespace torvane {

// Why contents are not a sequence of recordType records of recordSize bytes
// each (a partial record, a record not ending in CR LF, a record of another
// type), or an empty text when they are.
std::string RecordSequenceProblem(std::string_view contents, std::string_view recordType, std::size_t recordSize);

// Puts the records in ascending byte order; false when they already were.
bool SortRecords(std::string& contents, std::size_t recordSize);

// Puts record (of the contents' record size) into sorted contents: it replaces
// the first record with its race key, or is added when there is none, and the
// order is kept; the result is that of replacing in place or appending and
// then sorting the whole file. Returns false when the contents stay the same.
bool PutRecord(std::string& contents, std::string_view record);

}  // namespace torvane
