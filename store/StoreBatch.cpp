#include "store/StoreBatch.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "store/RecordSequence.h"

namespace torvane {
namespace {

StoreError NotOwnEntry(const std::filesystem::path& path, std::string_view what) {
  return StoreError(platform::Utf8OfPath(path) + " is " + std::string(what) +
                    "; the store writes only its own files and folders");
}

}  // namespace

void StoreBatch::CheckDirectories(const std::filesystem::path& directory, bool create) {
  if (checkedDirectories_.contains(directory.native())) return;
  // From the top down, so that no link on the way is followed to create the next.
  std::filesystem::path at = programDir_;
  for (const auto& part : directory.lexically_relative(programDir_)) {
    at /= part;
    switch (platform::KindOf(at)) {
      case platform::EntryKind::Directory:
        break;
      case platform::EntryKind::Missing: {
        if (!create) throw StoreError(FileAction::Open, at, std::make_error_code(std::errc::no_such_file_or_directory));
        std::error_code error;
        platform::CreateDirectory(at, error);
        if (error) throw StoreError(FileAction::CreateDirectory, at, error);
        break;
      }
      case platform::EntryKind::RegularFile:
        throw StoreError(FileAction::CreateDirectory, at, std::make_error_code(std::errc::not_a_directory));
      case platform::EntryKind::Other:
        throw NotOwnEntry(at, "a symbolic link or a special file, not a folder");
    }
  }
  checkedDirectories_.insert(directory.native());
}

StoreBatch::Image& StoreBatch::ImageOf(const std::filesystem::path& path, std::string_view recordType,
                                       std::size_t recordSize) {
  if (const auto it = images_.find(path.native()); it != images_.end()) return it->second;
  Image image;
  if (recordType.empty()) {
    // A file replaced whole is not read, but what is there must be a file.
    const platform::EntryKind kind = platform::KindOf(path);
    if (kind != platform::EntryKind::Missing && kind != platform::EntryKind::RegularFile)
      throw NotOwnEntry(path, "a symbolic link, a folder or a special file, not a store file");
  } else if (std::optional<std::string> contents = platform::ReadOwnFile(path)) {
    if (const std::string problem = RecordSequenceProblem(*contents, recordType, recordSize); !problem.empty())
      throw StoreError("the store file " + platform::Utf8OfPath(path) + " is damaged: " + problem);
    image.changed = SortRecords(*contents, recordSize);
    image.contents = std::move(*contents);
  }
  heldBytes_ += image.contents.size();
  order_.push_back(path);
  return images_.emplace(path.native(), std::move(image)).first->second;
}

bool StoreBatch::PutSorted(const std::filesystem::path& path, std::string_view record) {
  Image& image = ImageOf(path, record.substr(0, 2), record.size());
  const std::size_t before = image.contents.size();
  const bool changed = PutRecord(image.contents, record);
  heldBytes_ += image.contents.size() - before;
  image.changed = image.changed || changed;
  return changed;
}

void StoreBatch::PutWhole(const std::filesystem::path& path, std::string_view record) {
  Image& image = ImageOf(path, {}, record.size());
  heldBytes_ += record.size() - image.contents.size();
  image.contents.assign(record);
  image.changed = true;
}

std::uint64_t StoreBatch::Write() {
  std::vector<std::filesystem::path> files;
  std::vector<std::filesystem::path> temporaries;
  std::uint64_t bytes = 0;
  for (const auto& path : order_)
    if (images_.at(path.native()).changed) files.push_back(path);
  const auto fail = [&](const StoreError& cause, std::size_t firstNotWritten) {
    for (std::size_t i = firstNotWritten; i < temporaries.size(); ++i) platform::RemoveQuietly(temporaries[i]);
    Clear();
    return BatchWriteError(cause, {files.begin() + static_cast<std::ptrdiff_t>(firstNotWritten), files.end()});
  };
  try {
    for (std::size_t i = 0; i < files.size(); ++i) {
      const std::string& contents = images_.at(files[i].native()).contents;
      Step(ReplaceStep::BeforeWrite, i);
      temporaries.push_back(platform::WriteTemporaryBeside(files[i], contents));
      bytes += contents.size();
      Step(ReplaceStep::Written, i);
    }
    // The new versions are on the disk before any takes its file's place.
    if (!files.empty()) platform::FlushFileSystem(programDir_);
  } catch (const StoreError& error) {
    throw fail(error, 0);
  }
  std::size_t renamed = 0;
  try {
    for (; renamed < files.size(); ++renamed) {
      platform::RenameOver(temporaries[renamed], files[renamed]);
      Step(ReplaceStep::Replaced, renamed);
    }
    // And the new names are too, before anyone counts on them.
    if (!files.empty()) platform::FlushFileSystem(programDir_);
  } catch (const StoreError& error) {
    // After a failed last flush no file of the batch is sure to be on the
    // disk: all are named.
    throw fail(error, renamed < files.size() ? renamed : 0);
  }
  Clear();
  filesWritten_ += files.size();
  return bytes;
}

void StoreBatch::Clear() {
  images_.clear();
  order_.clear();
  checkedDirectories_.clear();
  heldBytes_ = 0;
}

}  // namespace torvane
