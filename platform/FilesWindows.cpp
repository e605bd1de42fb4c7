// The Win32 implementation of the file functions. Paths go to the system as
// wide names, so the store's names with 年, 月 and 日 never pass through the
// ANSI code page.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <utility>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Win32Error.h"

namespace torvane::platform {
namespace {

FileError LastErrorAt(FileAction action, const std::filesystem::path& path) {
  return FileError(action, path, LastWin32Error());
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Closes a handle when it goes out of scope, keeping the last error of a
// failure being reported.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    const DWORD saved = ::GetLastError();
    ::CloseHandle(handle_);
    ::SetLastError(saved);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE Get() const { return handle_; }
  bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  // Closes now; false (last error set) when the close reported an error.
  bool Close() { return ::CloseHandle(Release()) != 0; }

 private:
  HANDLE handle_;
};

// FileRenameInfoEx of Windows 10 1607, which mingw-w64's headers declare
// only under a condition no build meets.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens for reading; backup semantics let a directory open too, so that it
// is refused as "not a regular file" as on POSIX systems rather than with
// an access error.
HANDLE OpenForReadingOrInvalid(const std::filesystem::path& path, DWORD access = GENERIC_READ) {
  return ::CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

FileStamp StampOfInfo(const BY_HANDLE_FILE_INFORMATION& info) {
  const auto join = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
  // FILETIME counts 100 ns steps.
  const auto modified = join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
  return {info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow),
          join(info.nFileSizeHigh, info.nFileSizeLow), static_cast<std::int64_t>(modified) * 100};
}

bool IsRegular(HANDLE file, const BY_HANDLE_FILE_INFORMATION& info) {
  return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && ::GetFileType(file) == FILE_TYPE_DISK;
}

// The information of an open regular file; throws FileError otherwise.
BY_HANDLE_FILE_INFORMATION RegularFileInfo(HANDLE file, const std::filesystem::path& path, FileAction action,
                                           const std::string& notRegular) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file, &info)) throw LastErrorAt(action, path);
  if (!IsRegular(file, info)) throw FileError(notRegular);
  return info;
}

std::string NotRegularToRead(const std::filesystem::path& path) {
  return "cannot read " + Utf8OfPath(path) + ": not a regular file";
}

// Reads or writes at offset through an OVERLAPPED position, which leaves
// no shared file position for threads to race on.
OVERLAPPED At(std::uint64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return position;
}

constexpr std::size_t kMaxChunk = 1u << 30;

// Writes all bytes from offset 0; false with the last error set on failure.
bool WriteAll(HANDLE file, std::string_view bytes) {
  std::uint64_t offset = 0;
  while (!bytes.empty()) {
    OVERLAPPED position = At(offset);
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kMaxChunk));
    if (!::WriteFile(file, bytes.data(), chunk, &written, &position)) return false;
    bytes.remove_prefix(written);
    offset += written;
  }
  return true;
}

// Reads up to size bytes at offset; the count read (0 at the end), or
// nothing with the last error set.
std::optional<std::size_t> ReadSomeAt(HANDLE file, std::uint64_t offset, char* dest, std::size_t size) {
  OVERLAPPED position = At(offset);
  DWORD got = 0;
  if (!::ReadFile(file, dest, static_cast<DWORD>(std::min(size, kMaxChunk)), &got, &position)) {
    if (::GetLastError() == ERROR_HANDLE_EOF) return 0;
    return std::nullopt;
  }
  return got;
}

// The rest of an open file from offset 0; nothing with the last error set.
std::optional<std::string> ReadToEnd(HANDLE file, std::uint64_t expectedSize) {
  std::string contents(static_cast<std::size_t>(expectedSize), '\0');
  std::size_t got = 0;
  while (true) {
    if (got == contents.size()) contents.resize(got + 4096);  // the file grew since it was examined
    const std::optional<std::size_t> n = ReadSomeAt(file, got, contents.data() + got, contents.size() - got);
    if (!n) return std::nullopt;
    if (*n == 0) break;
    got += *n;
  }
  contents.resize(got);
  return contents;
}

std::uint64_t SizeOfInfo(const BY_HANDLE_FILE_INFORMATION& info) {
  return (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

// Renames from over to. POSIX semantics first (Windows 10 1607 and later on
// NTFS): readers that have the old file open keep reading it, as on Linux,
// where a plain move over an open file is refused. Wherever that rename
// fails, MoveFileExW, whose failure is then the one reported: at worst the
// plain move is all there is. False with the last error set on failure.
bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to, DWORD moveFlags) {
  {
    // Write access for the flush after the rename.
    Handle file(::CreateFileW(from.c_str(), DELETE | SYNCHRONIZE | GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::wstring& name = to.native();
    std::string buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t), '\0');
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->Flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
    rename->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
    std::copy(name.begin(), name.end(), rename->FileName);
    if (file.IsValid() &&
        ::SetFileInformationByHandle(file.Get(), kFileRenameInfoEx, rename, static_cast<DWORD>(buffer.size())))
      return (moveFlags & MOVEFILE_WRITE_THROUGH) == 0 || ::FlushFileBuffers(file.Get());
  }
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | moveFlags) != 0;
}

// A new, exclusively created file beside target; its path goes to temporary.
HANDLE CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
  static std::atomic<unsigned long> counter{0};
  // Appended piece by piece: GCC 12 takes a chain of + here for an overlapping copy.
  std::string stem = ".";
  stem.append(Utf8OfPath(target.filename())).append(".").append(std::to_string(::GetCurrentProcessId())).append("-");
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = stem;
    name.append(std::to_string(counter.fetch_add(1))).append(kTemporaryFileSuffix);
    temporary = target.parent_path() / PathFromUtf8(name);
    const HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

std::string ReadFileContents(const std::filesystem::path& path) {
  Handle file(OpenForReadingOrInvalid(path));
  if (!file.IsValid()) throw LastErrorAt(FileAction::Open, path);
  const auto info = RegularFileInfo(file.Get(), path, FileAction::ReadSize, NotRegularToRead(path));
  std::optional<std::string> contents = ReadToEnd(file.Get(), SizeOfInfo(info));
  if (!contents) throw LastErrorAt(FileAction::Read, path);
  return std::move(*contents);
}

std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& path) {
  Handle file(OpenForReadingOrInvalid(path));
  if (!file.IsValid()) {
    if (IsMissing(::GetLastError())) return std::string();
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file.Get(), &info) || !IsRegular(file.Get(), info)) return std::nullopt;
  return ReadToEnd(file.Get(), SizeOfInfo(info));
}

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
  Handle file(OpenForReadingOrInvalid(path, FILE_READ_ATTRIBUTES));
  if (!file.IsValid()) {
    if (IsMissing(::GetLastError())) return std::nullopt;
    throw LastErrorAt(FileAction::Examine, path);
  }
  return StampOfInfo(
      RegularFileInfo(file.Get(), path, FileAction::Examine, Utf8OfPath(path) + " is not a regular file"));
}

ReadOnlyFile::~ReadOnlyFile() { Close(); }

void ReadOnlyFile::Open(const std::filesystem::path& path) {
  Close();
  Handle file(OpenForReadingOrInvalid(path));
  if (!file.IsValid()) throw LastErrorAt(FileAction::Open, path);
  size_ = SizeOfInfo(RegularFileInfo(file.Get(), path, FileAction::ReadSize, NotRegularToRead(path)));
  path_ = Utf8OfPath(path);
  handle_ = reinterpret_cast<std::intptr_t>(file.Release());
}

void ReadOnlyFile::Close() {
  if (IsOpen()) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = -1;
  size_ = 0;
}

bool ReadOnlyFile::IsOpen() const { return handle_ != -1; }

std::size_t ReadOnlyFile::ReadUpTo(std::uint64_t offset, char* dest, std::size_t size) const {
  std::size_t got = 0;
  while (got < size) {
    const std::optional<std::size_t> n =
        ReadSomeAt(reinterpret_cast<HANDLE>(handle_), offset + got, dest + got, size - got);
    if (!n) throw LastErrorAt(FileAction::Read, PathFromUtf8(path_));
    if (*n == 0) break;
    got += *n;
  }
  return got;
}

// Windows has no call that flushes a whole file system without the rights of
// an administrator, so a durable write is made durable file by file: the
// temporary file is flushed before it is closed, and the rename goes
// through to the disk before it returns.
std::filesystem::path WriteTemporaryBeside(const std::filesystem::path& path, std::string_view contents, Durability) {
  std::filesystem::path temporary;
  Handle file(CreateTemporaryBeside(path, temporary));
  if (!file.IsValid()) throw LastErrorAt(FileAction::Write, path);
  if (!WriteAll(file.Get(), contents) || !::FlushFileBuffers(file.Get()) || !file.Close()) {
    const std::error_code error = LastWin32Error();
    file.Close();
    ::DeleteFileW(temporary.c_str());
    throw FileError(FileAction::Write, path, error);
  }
  return temporary;
}

void RenameOver(const std::filesystem::path& temporary, const std::filesystem::path& path) {
  if (MoveOver(temporary, path, MOVEFILE_WRITE_THROUGH)) return;
  const std::error_code error = LastWin32Error();
  ::DeleteFileW(temporary.c_str());
  throw FileError(FileAction::Replace, path, error);
}

void RemoveQuietly(const std::filesystem::path& path) noexcept { ::DeleteFileW(path.c_str()); }

FileStamp ReplaceFileAtomically(const std::filesystem::path& path, std::string_view contents, Durability durability) {
  const std::filesystem::path temporary = WriteTemporaryBeside(path, contents, durability);
  // The move keeps the file's identity and its modification time, so the
  // stamp taken here is the stamp of the replaced file.
  BY_HANDLE_FILE_INFORMATION info{};
  {
    Handle file(OpenForReadingOrInvalid(temporary, FILE_READ_ATTRIBUTES));
    if (!file.IsValid() || !::GetFileInformationByHandle(file.Get(), &info)) {
      const std::error_code error = LastWin32Error();
      ::DeleteFileW(temporary.c_str());
      throw FileError(FileAction::Write, path, error);
    }
  }
  RenameOver(temporary, path);
  return StampOfInfo(info);
}

EntryKind KindOf(const std::filesystem::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    if (IsMissing(::GetLastError())) return EntryKind::Missing;
    throw LastErrorAt(FileAction::Examine, path);
  }
  // A symbolic link or a junction: the store never follows one.
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::Other;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::Directory;
  return EntryKind::RegularFile;
}

std::optional<std::string> ReadOwnFile(const std::filesystem::path& path) {
  // The link itself is opened, never what it leads to.
  Handle file(::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file.IsValid()) {
    if (IsMissing(::GetLastError())) return std::nullopt;
    throw LastErrorAt(FileAction::Open, path);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file.Get(), &info)) throw LastErrorAt(FileAction::ReadSize, path);
  if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
    throw FileError(Utf8OfPath(path) + " is a symbolic link, which the store never follows");
  if (!IsRegular(file.Get(), info)) throw FileError(NotRegularToRead(path));
  std::optional<std::string> contents = ReadToEnd(file.Get(), SizeOfInfo(info));
  if (!contents) throw LastErrorAt(FileAction::Read, path);
  return contents;
}

void FlushFileSystem(const std::filesystem::path&) {
  // Every durable write was flushed as it was made (see WriteTemporaryBeside).
}

}  // namespace torvane::platform
