#pragma once
// One acquisition run, the logic of the acquisition window TGetDataForm:
// JVOpen of the data kinds chosen (DataSpecChoice.h) from the picker's time, the download polled by the
// 10 ms timer, the read loop that routes every record into the local store,
// JVClose, and the start time of the next run in the settings file.
//
// The handlers are called by the window (or the command-line tool) the way
// its controls fire them; the run talks to the window only through
// AcquisitionView. Where the run differs from a plain reading of the window's
// design, it is to lose nothing:
// - "LastTime" advances only after a run that read to the end of the data
//   (JVRead gave 0) without fetching; after a read error, a failed store
//   write or a cancel it stays, so the unread records come again next time.
// - A store write that fails, or a store file that is damaged, a link or no
//   regular file, is reported with its path and reason; it ends the read
//   loop, JV-Link is still closed and "LastTime" stays.
// - The records are on the disk (the writer's batch flushed) before
//   "LastTime" moves past them.
// - Only one writer works on a program directory at a time: a start while
//   another acquisition or import holds the store's lock is refused with
//   kOtherWriterText and calls nothing of JV-Link.
// - A record the store writer refuses is listed as "取込不可:" + its reason
//   and the loop goes on; at the end the user is told how many were refused,
//   and "LastTime" stays, so that they come again once the cause is mended.
// - A start while a run is going on (fetching or reading, where the read
//   loop lets clicks through) starts nothing: the user is told, with a beep,
//   kRunInProgressText.
// - A cancel question answered Yes after the run has ended meanwhile (the
//   download finished behind it) cancels nothing: no JVCancel, no message;
//   with no run going the cancel command asks nothing at all.
// - Every way a run ends closes JV-Link once: a cancel while fetching and a
//   window closed while fetching cancel the download and close it, so the
//   next start is not refused (-202).
// - The status line starts blank at each start: it tells of one run only.
// - A completed run leaves both progress bars full.
// - No wait is without end: a download whose count does not move, or a read
//   that answers "file still being fetched" (-3), for kProgressLimit ends
//   the run as a failure, saying what it waited for (the download
//   cancelled, JV-Link closed, "LastTime" kept); so does a download count
//   below 0 from JVOpen.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "acquisition/AcquisitionView.h"
#include "jvdata/DateTime.h"
#include "jvlink/JVLink.h"
#include "store/StoreLock.h"

namespace torvane {

class StoreWriter;
class TIniGT;

inline constexpr std::string_view kRunInProgressText = "データ取込み中です。取込みの終了を待つか、中止してください。";
inline constexpr std::string_view kRefusedRecordPrefix = "取込不可:";
// As long as the bridge waits for an answer of the component.
inline constexpr std::chrono::milliseconds kProgressLimit{60000};

// How the last run ended.
enum class RunOutcome {
  NotRun,
  Completed,           // read to the end of the data, JV-Link closed
  NothingNew,          // JVOpen -1, or nothing to read
  OpenFailed,          // JVOpen error
  StatusFailed,        // JVStatus error while fetching
  ReadFailed,          // JVRead error
  StoreFailed,         // a store file could not be written
  Cancelled,           // cancelled while fetching or reading
  CloseFailed,         // JVClose error after an otherwise complete run
  LastTimeNotWritten,  // read everything, but the next run's start time could not be kept
  StoreBusy,           // another writer holds the store's lock: nothing done
  RecordsRefused,      // read to the end, but the store writer refused records
  Stalled,             // the download or the read made no progress within the limit
};

class AcquisitionRun {
 public:
  // The clock gives "now" for the default start time (eight days before it).
  AcquisitionRun(JVLink& jvLink, AcquisitionView& view, TIniGT& settings, StoreWriter& writer,
                 std::function<DateTime()> clock = LocalNow);

  // What FormCloseQuery runs: the main window's date-list rebuild.
  void SetDateListRebuild(std::function<void()> rebuild);
  // How long a download or a read may go without progress (kProgressLimit).
  void SetProgressLimit(std::chrono::milliseconds limit) { progressLimit_ = limit; }
  // Asks JV-Link for this dataspec instead of the one chosen in the settings.
  void SetDataSpec(std::string dataSpec) { dataSpec_ = std::move(dataSpec); }

  void FormCreate();
  void SpeedButton1Click();
  // "データ取込み開始": JVOpen, then the download polled or the records read.
  void Start();
  // One turn of the download's 10 ms timer: JVStatus, the progress, and the
  // read once every file is there.
  void PollDownload();
  // "キャンセル": asks, then cancels the download or ends the read loop.
  void Cancel();
  // Lets the window close, except while records are read: then the window
  // closes once the read loop, the closing step and the start-time update
  // are over, and the date list is rebuilt from everything stored.
  bool FormCloseQuery();

  // Whether a run is fetching or reading.
  bool IsRunning() const { return phase_ != Phase::Idle; }
  RunOutcome LastOutcome() const { return outcome_; }

 private:
  enum class Phase { Idle, Fetching, Reading };
  enum class ReadEnd { EndOfData, ReadError, StoreFailure, Cancelled, RecordsRefused };

  ReadEnd ReadRecords();
  void RouteRecord(const std::u16string& record, ReadEnd& end);
  void CloseJVLink();
  ReadEnd ReadAndClose();
  void FlushStore(ReadEnd& end);
  void CloseWindowIfAsked();
  void SetPhase(Phase phase);
  // Ends a run while fetching, its timer stopped (after JVCancel where the
  // download goes on): JV-Link closed, the store free.
  void EndFetch(RunOutcome outcome);
  void RememberLastFileTimestamp();
  void Report(const std::string& text);
  void SetOutcome(RunOutcome outcome) { outcome_ = outcome; }

  JVLink& jvLink_;
  AcquisitionView& view_;
  TIniGT& settings_;
  StoreWriter& writer_;
  std::function<DateTime()> clock_;
  std::function<void()> dateListRebuild_;
  std::optional<std::string> dataSpec_;

  bool cancelRequested_ = false;
  bool closeRequested_ = false;
  std::int32_t readCount_ = 0;
  std::int32_t downloadCount_ = 0;
  std::uint64_t refusedRecords_ = 0;  // in this run
  std::chrono::milliseconds progressLimit_ = kProgressLimit;
  std::int32_t lastFetched_ = 0;
  std::chrono::steady_clock::time_point lastProgress_;  // of the download
  std::u16string lastFileTimestamp_;
  Phase phase_ = Phase::Idle;
  StoreLock storeLock_;  // held from the start of a run to its end
  RunOutcome outcome_ = RunOutcome::NotRun;
};

}  // namespace torvane
