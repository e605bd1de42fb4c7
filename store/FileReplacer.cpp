#include "store/FileReplacer.h"

#include <atomic>
#include <charconv>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/Paths.h"
#include "platform/Process.h"

namespace torvane {
namespace {

// The process that made a spare file or a writer mark, from its name
// "<prefix><pid>" or "<prefix><pid>-<serial>"; 0 for a name of another form.
platform::ProcessId OwnerOf(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix)) return 0;
  name.remove_prefix(prefix.size());
  platform::ProcessId pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (error != std::errc() || end == name.data() || (end != name.data() + name.size() && *end != '-')) return 0;
  return pid;
}

std::string NameOf(const std::filesystem::path& path) { return platform::Utf8OfPath(path.filename()); }

bool IsStaleSpare(const std::filesystem::path& path) {
  return platform::ProcessHasEnded(OwnerOf(NameOf(path), kSpareFilePrefix));
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

}  // namespace

WriterMark::WriterMark(std::filesystem::path programDir) {
  std::error_code ignored;
  bool writerWasKilled = false;
  for (const auto& entry : std::filesystem::directory_iterator(programDir, ignored)) {
    if (!platform::ProcessHasEnded(OwnerOf(NameOf(entry.path()), kWriterMarkPrefix))) continue;
    writerWasKilled = true;
    std::filesystem::remove(entry.path(), ignored);
  }
  if (writerWasKilled) RemoveStaleSparesBelow(programDir);
  // Without its mark (a directory that cannot be written) this writer's own
  // writes fail and are reported; the mark matters only after a kill.
  mark_ = programDir / (std::string(kWriterMarkPrefix) + std::to_string(platform::CurrentProcessId()));
  std::ofstream mark(mark_);
}

WriterMark::~WriterMark() {
  std::error_code ignored;
  std::filesystem::remove(mark_, ignored);
}

FileReplacer::FileReplacer() {
  static std::atomic<unsigned> serial{0};
  spareName_ =
      std::string(kSpareFilePrefix) + std::to_string(platform::CurrentProcessId()) + "-" + std::to_string(serial++);
}

FileReplacer::~FileReplacer() {
  std::error_code ignored;
  for (const auto& [directory, spare] : spares_) std::filesystem::remove(spare, ignored);
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
  const FileStamp written = platform::OverwriteFile(spare, contents, path);
  Step(ReplaceStep::Written);
  // Without an exchange (a new file, or a system that cannot trade places)
  // the spare becomes the file, and a new spare is made next time.
  platform::ExchangeOrMove(spare, path);
  Step(ReplaceStep::Replaced);
  return written;
}

}  // namespace torvane
