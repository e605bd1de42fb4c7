#include "store/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "store/PosixFile.h"

namespace torvane {
namespace {

const char* EnglishAction(FileAction action) {
  switch (action) {
    case FileAction::Open:
      return "cannot open";
    case FileAction::Read:
      return "cannot read";
    case FileAction::ReadSize:
      return "cannot read the size of";
    case FileAction::Examine:
      return "cannot examine";
    case FileAction::Write:
      return "cannot write";
    case FileAction::Replace:
      return "cannot replace";
    case FileAction::CreateDirectory:
      return "cannot create the directory";
  }
  return "cannot use";
}

}  // namespace

StoreError::StoreError(FileAction action, const std::filesystem::path& path, std::error_code code)
    : std::runtime_error(std::string(EnglishAction(action)) + " " + path.string() + ": " + code.message()),
      action_(action),
      path_(path),
      code_(code) {}

namespace {

using posix::ErrorAt;
using posix::FileDescriptor;
using posix::StampOfInfo;

int OpenForReading(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw ErrorAt(FileAction::Open, path, errno);
  return fd;
}

// The size of an open regular file. A directory opens for reading too, and
// its size would pass for records.
std::size_t SizeOf(int fd, const std::filesystem::path& path) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) throw ErrorAt(FileAction::ReadSize, path, errno);
  if (!S_ISREG(info.st_mode)) throw StoreError("cannot read " + path.string() + ": not a regular file");
  return static_cast<std::size_t>(info.st_size);
}

// Reads exactly size bytes at offset; false on end of file.
bool ReadAt(int fd, char* dest, std::size_t size, off_t offset, const std::string& path) {
  while (size > 0) {
    const ssize_t n = ::pread(fd, dest, size, offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ErrorAt(FileAction::Read, path, errno);
    }
    if (n == 0) return false;
    dest += n;
    size -= static_cast<std::size_t>(n);
    offset += n;
  }
  return true;
}

// A name in the target's directory that no other writer uses at the same
// time; it starts with a dot and ends in ".tmp", so that no reader takes it
// for a store file.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
  static std::atomic<unsigned long> counter{0};
  return path.parent_path() / ("." + path.filename().string() + "." + std::to_string(::getpid()) + "-" +
                               std::to_string(counter.fetch_add(1)) + ".tmp");
}

}  // namespace

RecordFileReader::~RecordFileReader() { Close(); }

void RecordFileReader::Open(const std::filesystem::path& path, std::size_t recordSize) {
  Close();
  const int fd = OpenForReading(path);
  std::size_t size = 0;
  try {
    size = SizeOf(fd, path);
  } catch (...) {
    ::close(fd);
    throw;
  }
  fd_ = fd;
  path_ = path.native();
  recordSize_ = recordSize;
  count_ = recordSize == 0 ? 0 : size / recordSize;
  trailingBytes_ = size - count_ * recordSize;
}

void RecordFileReader::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  count_ = 0;
  trailingBytes_ = 0;
}

void RecordFileReader::Read(std::size_t index, char* dest) const { ReadRange(index, 1, dest); }

void RecordFileReader::ReadRange(std::size_t first, std::size_t count, char* dest) const {
  if (first > count_ || count > count_ - first)
    throw StoreError("records " + std::to_string(first) + " to " + std::to_string(first + count) +
                     " are past the end of " + path_ + " (" + std::to_string(count_) + " records)");
  if (!ReadAt(fd_, dest, count * recordSize_, static_cast<off_t>(first * recordSize_), path_))
    throw StoreError("cannot read " + path_ + ": the file ends before record " +
                     std::to_string(first + count));
}

void RecordFileReader::ReadPart(std::size_t index, std::size_t offset, std::size_t length, char* dest) const {
  if (index >= count_ || offset > recordSize_ || length > recordSize_ - offset)
    throw StoreError("bytes " + std::to_string(offset) + " to " + std::to_string(offset + length) + " of record " +
                     std::to_string(index) + " are outside the records of " + path_);
  if (!ReadAt(fd_, dest, length, static_cast<off_t>(index * recordSize_ + offset), path_))
    throw StoreError("cannot read " + path_ + ": the file ends within record " + std::to_string(index));
}

std::string ReadFileContents(const std::filesystem::path& path) {
  FileDescriptor fd(OpenForReading(path));
  std::string contents(SizeOf(fd.Get(), path), '\0');
  std::size_t got = 0;
  while (true) {
    if (got == contents.size()) contents.resize(got + 4096);  // the file grew since fstat
    const ssize_t n = ::read(fd.Get(), contents.data() + got, contents.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ErrorAt(FileAction::Read, path, errno);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  contents.resize(got);
  return contents;
}

std::vector<std::string> ReadAllRecords(const std::filesystem::path& path, std::size_t recordSize) {
  const std::string contents = ReadFileContents(path);
  std::vector<std::string> records;
  if (recordSize == 0) return records;
  records.reserve(contents.size() / recordSize);
  for (std::size_t at = 0; at + recordSize <= contents.size(); at += recordSize)
    records.emplace_back(contents, at, recordSize);
  return records;
}

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return std::nullopt;
    throw ErrorAt(FileAction::Examine, path, errno);
  }
  if (!S_ISREG(info.st_mode)) throw StoreError(path.string() + " is not a regular file");
  return StampOfInfo(info);
}

FileStamp ReplaceFileAtomically(const std::filesystem::path& path, std::string_view contents) {
  const std::filesystem::path temporary = TemporaryPathFor(path);
  FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (fd.Get() < 0) throw ErrorAt(FileAction::Write, path, errno);
  const auto fail = [&](int error) {
    ::unlink(temporary.c_str());
    return ErrorAt(FileAction::Write, path, error);
  };
  if (!posix::WriteAllAt(fd.Get(), contents, 0)) throw fail(errno);
  // The rename keeps the inode and the modification time, so the stamp taken
  // here is the stamp of the replaced file.
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) throw fail(errno);
  if (!fd.Close()) throw fail(errno);
  if (::rename(temporary.c_str(), path.c_str()) != 0) throw fail(errno);
  return StampOfInfo(info);
}

}  // namespace torvane
