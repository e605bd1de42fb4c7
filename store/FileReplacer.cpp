#include "store/FileReplacer.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>

#include "store/PosixFile.h"

namespace torvane {
namespace {

using posix::ErrorAt;

// The process that made a spare file or a writer mark, from its name
// "<prefix><pid>" or "<prefix><pid>-<serial>"; 0 for a name of another form.
pid_t OwnerOf(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix)) return 0;
  name.remove_prefix(prefix.size());
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (error != std::errc() || end == name.data() || (end != name.data() + name.size() && *end != '-')) return 0;
  return pid;
}

bool HasEnded(pid_t owner) { return owner > 0 && ::kill(owner, 0) != 0 && errno == ESRCH; }

bool IsStaleSpare(const std::filesystem::path& path) {
  return HasEnded(OwnerOf(path.filename().native(), kSpareFilePrefix));
}

// Spares left by processes that no longer run (a writer that was killed).
// Cleaning up is best effort: a spare that stays is never read.
void RemoveStaleSpares(const std::filesystem::path& directory) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(directory, ignored))
    if (IsStaleSpare(entry.path())) std::filesystem::remove(entry.path(), ignored);
}

void RemoveStaleSparesBelow(const std::filesystem::path& root) {
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(root, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    std::error_code ignored;
    if (IsStaleSpare(it->path())) std::filesystem::remove(it->path(), ignored);
  }
}

// Writes contents into the spare file, shortening it when it held more; info
// receives the spare's state, which the file has after the exchange.
void WriteSpare(const std::filesystem::path& spare, std::string_view contents, const std::filesystem::path& target,
                struct stat& info) {
  posix::FileDescriptor fd(::open(spare.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
  if (fd.Get() < 0) throw ErrorAt(FileAction::Write, target, errno);
  // The spare is never cut to nothing first: on ext4 that would force the
  // data out on close, the very cost the spare avoids.
  if (!posix::WriteAllAt(fd.Get(), contents, 0) || ::fstat(fd.Get(), &info) != 0)
    throw ErrorAt(FileAction::Write, target, errno);
  if (static_cast<std::size_t>(info.st_size) > contents.size()) {
    if (::ftruncate(fd.Get(), static_cast<off_t>(contents.size())) != 0 || ::fstat(fd.Get(), &info) != 0)
      throw ErrorAt(FileAction::Write, target, errno);
  }
  if (!fd.Close()) throw ErrorAt(FileAction::Write, target, errno);
}

}  // namespace

WriterMark::WriterMark(std::filesystem::path programDir) {
  std::error_code ignored;
  bool writerWasKilled = false;
  for (const auto& entry : std::filesystem::directory_iterator(programDir, ignored)) {
    if (!HasEnded(OwnerOf(entry.path().filename().native(), kWriterMarkPrefix))) continue;
    writerWasKilled = true;
    std::filesystem::remove(entry.path(), ignored);
  }
  if (writerWasKilled) RemoveStaleSparesBelow(programDir);
  // Without its mark (a directory that cannot be written) this writer's own
  // writes fail and are reported; the mark matters only after a kill.
  mark_ = programDir / (std::string(kWriterMarkPrefix) + std::to_string(::getpid()));
  const int fd = ::open(mark_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0) ::close(fd);
}

WriterMark::~WriterMark() { ::unlink(mark_.c_str()); }

FileReplacer::FileReplacer() {
  static std::atomic<unsigned> serial{0};
  spareName_ = std::string(kSpareFilePrefix) + std::to_string(::getpid()) + "-" + std::to_string(serial++);
}

FileReplacer::~FileReplacer() {
  for (const auto& [directory, spare] : spares_) ::unlink(spare.c_str());
}

const std::filesystem::path& FileReplacer::SpareIn(const std::filesystem::path& directory) {
  auto it = spares_.find(directory.native());
  if (it == spares_.end()) {
    RemoveStaleSpares(directory);
    it = spares_.emplace(directory.native(), directory / spareName_).first;
  }
  return it->second;
}

FileStamp FileReplacer::Replace(const std::filesystem::path& path, std::string_view contents) {
  const std::filesystem::path& spare = SpareIn(path.parent_path());
  Step(ReplaceStep::BeforeWrite);
  struct stat info {};
  WriteSpare(spare, contents, path, info);
  Step(ReplaceStep::Written);
  if (::renameat2(AT_FDCWD, spare.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) != 0) {
    // A new file (nothing to trade places with), or a file system that cannot
    // exchange: the spare becomes the file, and a new spare is made next time.
    if (errno != ENOENT && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
      throw ErrorAt(FileAction::Replace, path, errno);
    if (::rename(spare.c_str(), path.c_str()) != 0) throw ErrorAt(FileAction::Replace, path, errno);
  }
  Step(ReplaceStep::Replaced);
  return posix::StampOfInfo(info);
}

}  // namespace torvane
