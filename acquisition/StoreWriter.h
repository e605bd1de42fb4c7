#pragma once
// The only writer of the local store: routes each delivered JV-Data record to
// its store file, replacing the stored record of the same race (or horse).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "store/FileReplacer.h"

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

class StoreWriter {
 public:
  explicit StoreWriter(std::filesystem::path programDir);
  ~StoreWriter();
  StoreWriter(const StoreWriter&) = delete;
  StoreWriter& operator=(const StoreWriter&) = delete;

  // Routes one record: CP932 bytes, CR LF included. When it returns, the
  // record is in its file on disk (the file replaced whole and atomically), so
  // a kill at any moment leaves every file as it was before or after one
  // record. Throws StoreError (with the path and the reason) when a directory
  // or file cannot be written; the file concerned keeps its earlier contents.
  StoreResult Store(std::string_view record);

  // The bytes written into store files so far.
  std::uint64_t BytesWritten() const;

  // Called at each step of every later file replacement with the number of
  // records given to Store so far, the one being stored included. For tests
  // that stop the writer at a chosen point.
  using StepHook = std::function<void(std::uint64_t records, ReplaceStep step)>;
  void SetStepHook(StepHook hook);

 private:
  struct Impl;
  Impl* impl_;
};

}  // namespace torvane
