#pragma once
// Reading and replacing store files. A store file is a sequence of fixed-size
// records (each ending CR LF); readers work in whole record units and ignore a
// trailing partial record.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace torvane {

// What was being done to a file when the operating system refused it.
enum class FileAction { Open, Read, ReadSize, Examine, Write, Replace, CreateDirectory };

// A store file that exists but cannot be read or written; the message names
// the path and the reason. When the operating system refused an action, the
// error also keeps the action, the path and its code, so that the viewer can
// word it in Japanese (store/SystemErrorText.h).
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  // "<action> <path>: <the system's reason>".
  StoreError(FileAction action, const std::filesystem::path& path, std::error_code code);

  FileAction Action() const { return action_; }
  const std::filesystem::path& Path() const { return path_; }
  // Empty for a file whose contents are at fault.
  std::error_code Code() const { return code_; }

 private:
  FileAction action_ = FileAction::Read;
  std::filesystem::path path_;
  std::error_code code_;
};

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
  int fd_ = -1;
  std::size_t recordSize_ = 0;
  std::size_t count_ = 0;
  std::size_t trailingBytes_ = 0;
  std::string path_;  // for messages; a text, since copying a path copies its parts too
};

// The whole contents of a file; throws StoreError.
std::string ReadFileContents(const std::filesystem::path& path);

// All whole records of a file, each recordSize bytes; throws StoreError.
std::vector<std::string> ReadAllRecords(const std::filesystem::path& path, std::size_t recordSize);

// One version of a file as the file system tells versions apart: replacing
// the file (a rename over it) or rewriting it gives a new stamp.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path, or nothing when there is no file there;
// throws StoreError when the path cannot be examined or is not a regular file.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

// Replaces the file's contents atomically: the bytes go to a temporary file in
// the same directory, which is then renamed over the old file, so a failure or
// a kill part-way leaves the old file whole. Returns the new file's stamp.
// Throws StoreError.
FileStamp ReplaceFileAtomically(const std::filesystem::path& path, std::string_view contents);

}  // namespace torvane
