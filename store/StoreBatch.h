#pragma once
// The store files touched by a run of records, held in memory and written
// back together. Each file is read into the batch once and written once per
// batch: every changed file goes to a new temporary file in its directory,
// all of them are flushed to the disk, and only then is each renamed over
// its old version, which is never written in place. So a reader always sees
// a whole version of a file, a kill or a power cut leaves each file either
// as it was or as the batch made it, and nothing leaves the program
// directory: no symbolic link in the store is ever followed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/Paths.h"
#include "store/RecordFile.h"

namespace torvane {

// The steps every file of a batch goes through as it is written. A test hook
// watches them to stop the process at an exact point.
enum class ReplaceStep {
  BeforeWrite,  // nothing of this file written yet
  Written,      // its new contents in a temporary file, the old file in place
  Replaced,     // the new contents in the file's place
};
// Called with the step and the file's place (from 0) among those the batch writes.
using ReplaceStepHook = std::function<void(ReplaceStep, std::size_t file)>;

// A batch whose files could not all be written: the cause, and every file
// that keeps its version from before the batch.
class BatchWriteError : public StoreError {
 public:
  BatchWriteError(const StoreError& cause, std::vector<std::filesystem::path> notWritten)
      : StoreError(cause), notWritten_(std::move(notWritten)) {}
  const std::vector<std::filesystem::path>& NotWritten() const { return notWritten_; }

 private:
  std::vector<std::filesystem::path> notWritten_;
};

class StoreBatch {
 public:
  explicit StoreBatch(std::filesystem::path programDir) : programDir_(std::move(programDir)) {}

  // Creates directory and those between the program directory and it when
  // missing. Throws StoreError naming one that is a symbolic link or not a
  // directory, or cannot be created.
  void MakeDirectory(const std::filesystem::path& directory) { CheckDirectories(directory, true); }
  // The same for a directory that must be there already.
  void RequireDirectory(const std::filesystem::path& directory) { CheckDirectories(directory, false); }

  // Puts record into the sorted TK, RA or SE file at path (see PutRecord);
  // false when the file stays the same. Throws StoreError naming the file
  // when it is damaged (not whole sorted records of the record's type), a
  // symbolic link or no regular file; the batch is then unchanged.
  bool PutSorted(const std::filesystem::path& path, std::string_view record);
  // Makes record the whole file at path; the same errors for what is there.
  void PutWhole(const std::filesystem::path& path, std::string_view record);

  // The bytes of the files held.
  std::size_t HeldBytes() const { return heldBytes_; }

  // Writes every changed file as described above; when it returns they are
  // on the disk. Returns the bytes written. The batch is empty afterwards,
  // also when it throws BatchWriteError.
  std::uint64_t Write();

  void SetStepHook(ReplaceStepHook hook) { stepHook_ = std::move(hook); }
  // The files written by the batches before.
  std::uint64_t FilesWritten() const { return filesWritten_; }

 private:
  struct Image {
    std::string contents;
    bool changed = false;
  };
  void CheckDirectories(const std::filesystem::path& directory, bool create);
  Image& ImageOf(const std::filesystem::path& path, std::string_view recordType, std::size_t recordSize);
  void Step(ReplaceStep step, std::size_t file) const {
    if (stepHook_) stepHook_(step, file);
  }
  void Clear();

  std::filesystem::path programDir_;
  std::unordered_map<std::filesystem::path::string_type, Image> images_;
  std::vector<std::filesystem::path> order_;  // of first use, the order of writing
  std::unordered_set<std::filesystem::path::string_type> checkedDirectories_;
  std::size_t heldBytes_ = 0;
  std::uint64_t filesWritten_ = 0;
  ReplaceStepHook stepHook_;
};

}  // namespace torvane
