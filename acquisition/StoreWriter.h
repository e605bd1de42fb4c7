#pragma once
// The only writer of the local store: routes each delivered JV-Data record to
// its store file, replacing the stored record of the same race (or horse).
//
// Records are applied in order to the files of a batch in memory (the files
// come out byte for byte as if each record had rewritten its file) and the
// batch is written back when it reaches its memory budget and whenever the
// caller flushes: at the end of the read, on a cancel or an error, before
// the next run's start time is kept. Until then a record is listed but not
// on the disk; nothing is lost by that, since the start time moves only
// after the flush. Records not flushed when the writer goes are not written.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Paths.h"
#include "store/StoreBatch.h"

namespace torvane {

enum class StoreOutcome {
  Stored,   // written; listLine says what
  Skipped,  // a record the store does not keep (other type or data kind)
  Refused,  // malformed (wrong length, unsafe path field); reason says why
};

struct StoreResult {
  StoreOutcome outcome = StoreOutcome::Skipped;
  std::string listLine;  // UTF-8, "作成済み:..." for a stored record
  std::string reason;    // UTF-8, for a refused record
};

// Enough to hold every file of a week's delivery many times over, and small
// beside the memory of any machine the viewer runs on.
inline constexpr std::size_t kBatchBudgetBytes = std::size_t{256} << 20;

class StoreWriter {
 public:
  explicit StoreWriter(std::filesystem::path programDir, std::size_t batchBudgetBytes = kBatchBudgetBytes);
  ~StoreWriter();
  StoreWriter(const StoreWriter&) = delete;
  StoreWriter& operator=(const StoreWriter&) = delete;

  const std::filesystem::path& ProgramDir() const;

  // Routes one record: CP932 bytes, CR LF included, into the batch; writes
  // the batch when it is full. Throws StoreError (with the path and the
  // reason) when a directory cannot be made, a store file is damaged, a link
  // or no regular file, or the batch cannot be written (BatchWriteError).
  StoreResult Store(std::string_view record);

  // Writes the batch; when it returns, every record stored so far is on the
  // disk. Throws BatchWriteError.
  void Flush();

  // The records listed as stored since the last flush.
  std::uint64_t StoredSinceFlush() const;

  // The bytes written into store files so far.
  std::uint64_t BytesWritten() const;

  // Called at each step of every later file write with the file's number
  // (from 1) among all files this writer writes. For tests that stop the
  // writer at a chosen point.
  using StepHook = std::function<void(std::uint64_t files, ReplaceStep step)>;
  void SetStepHook(StepHook hook);

 private:
  StoreResult Route(std::string_view record);

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The user's text for a failure of the writer: "データ作成エラー:", what
// failed, and after a batch that could not be written, its files and how many
// of the records listed last are not saved.
std::string StoreFailureText(const std::exception& error, std::uint64_t unsavedRecords);

}  // namespace torvane
