#pragma once
// Reading and replacing store files. A store file is a sequence of fixed-size
// records (each ending CR LF); readers work in whole record units and ignore a
// trailing partial record.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace torvane {

// A store file that exists but cannot be read or written; the message names
// the path and the reason, and keeps the action and the system's code
// (platform/FileError.h).
using StoreError = platform::FileError;
using platform::FileAction;
using platform::FileStamp;

// The whole contents of a file; the stamp of a file; atomic replacement
// (Files.h). Throw StoreError.
using platform::ReadFileContents;
using platform::ReplaceFileAtomically;
using platform::StampOf;

// Random access to the whole records of one store file, without reading the
// whole file. A missing file is an error for Open; callers test existence first.
class RecordFileReader {
 public:
  RecordFileReader() = default;
  ~RecordFileReader();
  RecordFileReader(const RecordFileReader&) = delete;
  RecordFileReader& operator=(const RecordFileReader&) = delete;

  // Throws StoreError when the file cannot be opened or its size read.
  void Open(const std::filesystem::path& path, std::size_t recordSize);
  // For a file whose records may have one of several sizes (one size a
  // file): the first size that the file's length is a whole number of, or
  // the first size when none is.
  void Open(const std::filesystem::path& path, std::initializer_list<std::size_t> recordSizes);
  std::size_t RecordSize() const { return recordSize_; }
  void Close();
  // The number of whole records.
  std::size_t Count() const { return count_; }
  // The bytes after the last whole record: 0 in a sound store file, else the
  // file is truncated or holds a line of another length.
  std::size_t TrailingBytes() const { return trailingBytes_; }
  // Copies record index (0-based, below Count()) into dest (recordSize bytes);
  // throws StoreError on a read failure.
  void Read(std::size_t index, char* dest) const;
  // Copies the count records from index first on (all below Count()) into
  // dest (count * recordSize bytes) with one read; throws StoreError.
  void ReadRange(std::size_t first, std::size_t count, char* dest) const;
  // Copies the bytes [offset, offset + length) of record index (below
  // Count(); the range within the record) into dest; throws StoreError.
  void ReadPart(std::size_t index, std::size_t offset, std::size_t length, char* dest) const;

 private:
  platform::ReadOnlyFile file_;
  std::size_t recordSize_ = 0;
  std::size_t count_ = 0;
  std::size_t trailingBytes_ = 0;
  std::string path_;  // UTF-8, for messages; a text, since copying a path copies its parts too
};

// All whole records of a file, each recordSize bytes; throws StoreError.
std::vector<std::string> ReadAllRecords(const std::filesystem::path& path, std::size_t recordSize);

}  // namespace torvane
