#include "acquisition/AcquisitionRun.h"

#include "acquisition/DataSpecChoice.h"
#include "acquisition/StoreWriter.h"
#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/DateTime.h"
#include "jvdata/PlainText.h"
#include "jvlink/JVResultMessage.h"
#include "platform/Paths.h"
#include "settings/IniGT.h"
#include "store/RecordFile.h"

namespace torvane {
namespace {

constexpr std::string_view kSettingsSection = "JvDataGet";
constexpr std::string_view kLastTimeKey = "LastTime";
constexpr int kDefaultStartDaysBack = 8;
// The picker's value as the window is designed, kept when "LastTime" does not read.
constexpr DateTime kPickerInitialValue{2003, 4, 6, 10, 46, 42};
constexpr std::string_view kNoTimestamp = "00000000000000";
// The download bar's range when nothing had to be fetched.
constexpr int kFullBar = 100;

constexpr std::string_view kStartNotice =
    "以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり他のアプリケーションを操作することは極力"
    "避けてください。";
constexpr std::string_view kNothingNew = "最新のデータがありません。";
constexpr std::string_view kDownloading = "ダウンロード中・・・";
constexpr std::string_view kDownloadProgress = "ダウンロード中．．．(";
constexpr std::string_view kReadProgress = "データ読込み中．．．(";
constexpr std::string_view kReadComplete = "データ作成が完了しました。";
constexpr std::string_view kCancelQuestion = "データ取込を中止します。実行しますか？";
constexpr std::string_view kCancelled = "JVCancel:キャンセルされました";
constexpr std::string_view kSetUIPropertiesError = "JVSetUIPropertiesエラー：";
constexpr std::string_view kOpenError = "JVOpenエラー:";
constexpr std::string_view kStatusError = "JVStatusエラー:";
constexpr std::string_view kReadError = "JVReadエラー:";
constexpr std::string_view kCloseError = "JVCloseエラー:";
// Names the delivery file a read error came from, so that the user can
// remove or replace it: it stops every later run from the same start time.
constexpr std::string_view kReadErrorFile = "\nファイル:";
constexpr std::string_view kRefusedRecordsCount = "取込不可のデータが";
constexpr std::string_view kRefusedRecordsKept = "件ありました。取得開始日付は変更していません。";
constexpr std::string_view kDownloadStalled =
    "ダウンロードが進まないため、取込みを中止しました。ダウンロード済みファイル数:";
constexpr std::string_view kReadStalled = "ファイルのダウンロードが終わらないため、取込みを中止しました。";
constexpr std::string_view kBadDownloadCount = "JVOpenエラー:ダウンロードファイル数が不正です。(";
constexpr std::string_view kWaitedSeconds = "\n待った時間:";
constexpr std::string_view kLastTimeNotWritten = "取得開始日付を設定ファイルに書き込めませんでした: ";

std::string Progress(std::string_view prefix, std::int32_t done, std::int32_t total) {
  return std::string(prefix) + std::to_string(done) + "/" + std::to_string(total) + ")";
}

std::string Joined(std::string_view a, const std::string& b) { return std::string(a) + b; }

// The text of a read that failed, with the delivery file it came from, if named.
std::string WithFileName(std::string text, const std::u16string& fileName) {
  if (!fileName.empty()) text += std::string(kReadErrorFile) + Cp932ToUtf8(Utf16ToCp932(fileName));
  return text;
}

std::string Seconds(std::chrono::milliseconds span) {
  return Formatted("%g", static_cast<double>(span.count()) / 1000) + "秒";
}

}  // namespace

AcquisitionRun::AcquisitionRun(JVLink& jvLink, AcquisitionView& view, TIniGT& settings, StoreWriter& writer,
                               std::function<DateTime()> clock)
    : jvLink_(jvLink), view_(view), settings_(settings), writer_(writer), clock_(std::move(clock)) {}

void AcquisitionRun::SetDateListRebuild(std::function<void()> rebuild) { dateListRebuild_ = std::move(rebuild); }

void AcquisitionRun::FormCreate() {
  const std::string defaultText = SettingsDateTimeText(AddDays(clock_(), -kDefaultStartDaysBack));
  const std::string text = Cp932ToUtf8(settings_.ReadString(kSettingsSection, kLastTimeKey, defaultText));
  if (const auto start = ParseDateTimeText(text)) {
    view_.SetPickerDateTime(*start);
  } else {
    view_.SetPickerDateTime(kPickerInitialValue);
    view_.ShowInformation(DateTimeConversionError(text));
  }
}

void AcquisitionRun::SpeedButton1Click() {
  const std::int32_t result = jvLink_.JVSetUIProperties();
  if (result != 0) Report(Joined(kSetUIPropertiesError, JVResultMessage("JVSetUIProperties", result)));
}

void AcquisitionRun::Start() {
  if (IsRunning()) {
    Report(std::string(kRunInProgressText));
    return;
  }
  try {
    if (!storeLock_.TryTake(writer_.ProgramDir())) {
      Report(std::string(kOtherWriterText));
      SetOutcome(RunOutcome::StoreBusy);
      return;
    }
  } catch (const StoreError& error) {
    Report(StoreFailureText(error, 0));
    SetOutcome(RunOutcome::StoreFailed);
    return;
  }
  const DateTime from = view_.PickerDateTime();
  view_.ShowInformation(JapaneseDateTimeText(from) + std::string(kStartNotice));

  view_.StopTimer();
  cancelRequested_ = false;
  refusedRecords_ = 0;
  outcome_ = RunOutcome::NotRun;
  view_.SetBarPosition(ProgressBar::Download, 0);
  view_.SetBarPosition(ProgressBar::Read, 0);
  view_.ClearList();
  view_.SetStatusText("");

  const std::u16string fromTime = Cp932ToUtf16(ToDigits14(from));
  view_.SetBusyCursor(true);
  lastFileTimestamp_.clear();
  const std::u16string dataSpec = Cp932ToUtf16(dataSpec_.value_or(DataSpecText(ReadDataSpecChoice(settings_))));
  const std::int32_t result =
      jvLink_.JVOpen(dataSpec, fromTime, kNormalDataOption, readCount_, downloadCount_, lastFileTimestamp_);
  if (result == kJVOpenNothingNewer || (result == 0 && readCount_ == 0)) {
    Report(std::string(kNothingNew));
    SetOutcome(RunOutcome::NothingNew);
    CloseJVLink();
    storeLock_.Release();
    return;
  }
  if (result != 0) {
    Report(Joined(kOpenError, JVResultMessage("JVOpen", result)));
    SetOutcome(RunOutcome::OpenFailed);
    CloseJVLink();
    storeLock_.Release();
    return;
  }
  if (downloadCount_ < 0) {
    // Polling for a count that can never be reached would never end.
    Report(std::string(kBadDownloadCount) + std::to_string(downloadCount_) + ")");
    SetOutcome(RunOutcome::OpenFailed);
    CloseJVLink();
    storeLock_.Release();
    return;
  }
  if (downloadCount_ != 0) {
    lastFetched_ = 0;
    lastProgress_ = std::chrono::steady_clock::now();
    view_.SetStatusText(std::string(kDownloading));
    view_.SetBarRange(ProgressBar::Download, 0, downloadCount_);
    SetPhase(Phase::Fetching);
    view_.StartTimer();
    return;
  }
  view_.SetBarRange(ProgressBar::Download, 0, kFullBar);
  view_.SetBarPosition(ProgressBar::Download, kFullBar);
  if (ReadAndClose() == ReadEnd::EndOfData) RememberLastFileTimestamp();
  storeLock_.Release();
  CloseWindowIfAsked();
}

void AcquisitionRun::PollDownload() {
  if (phase_ != Phase::Fetching) return;  // a tick that was already on its way when the timer stopped
  const std::int32_t fetched = jvLink_.JVStatus();
  if (fetched < 0) {
    Report(Joined(kStatusError, JVResultMessage("JVStatus", fetched)));
    view_.StopTimer();
    EndFetch(RunOutcome::StatusFailed);
    return;
  }
  const auto now = std::chrono::steady_clock::now();
  if (fetched != lastFetched_) {
    lastFetched_ = fetched;
    lastProgress_ = now;
  } else if (now - lastProgress_ > progressLimit_) {
    jvLink_.JVCancel();
    Report(std::string(kDownloadStalled) + Progress("(", fetched, downloadCount_) + std::string(kWaitedSeconds) +
           Seconds(progressLimit_));
    view_.StopTimer();
    EndFetch(RunOutcome::Stalled);
    return;
  }
  if (fetched > downloadCount_) return;
  if (fetched == downloadCount_) view_.StopTimer();
  view_.SetStatusText(Progress(kDownloadProgress, fetched, downloadCount_));
  view_.SetBarPosition(ProgressBar::Download, fetched);
  if (fetched < downloadCount_) return;
  // The start time stays: this run had to fetch its files.
  ReadAndClose();
  storeLock_.Release();
  CloseWindowIfAsked();
}

AcquisitionRun::ReadEnd AcquisitionRun::ReadAndClose() {
  SetPhase(Phase::Reading);
  ReadEnd end = ReadRecords();
  FlushStore(end);
  if (end == ReadEnd::EndOfData && refusedRecords_ > 0) {
    Report(std::string(kRefusedRecordsCount) + std::to_string(refusedRecords_) + std::string(kRefusedRecordsKept));
    SetOutcome(RunOutcome::RecordsRefused);
    end = ReadEnd::RecordsRefused;
  }
  CloseJVLink();
  SetPhase(Phase::Idle);
  return end;
}

void AcquisitionRun::SetPhase(Phase phase) {
  const bool wasGoing = IsRunning();
  phase_ = phase;
  if (IsRunning() != wasGoing) view_.SetRunGoing(IsRunning());
}

void AcquisitionRun::EndFetch(RunOutcome outcome) {
  SetOutcome(outcome);
  CloseJVLink();
  SetPhase(Phase::Idle);
  storeLock_.Release();
}

// However the read ended, what was stored before is written: a failure that
// ended it was reported already and concerns none of those records.
void AcquisitionRun::FlushStore(ReadEnd& end) {
  try {
    writer_.Flush();
  } catch (const StoreError& error) {
    Report(StoreFailureText(error, writer_.StoredSinceFlush()));
    SetOutcome(RunOutcome::StoreFailed);
    end = ReadEnd::StoreFailure;
  }
}

void AcquisitionRun::CloseWindowIfAsked() {
  if (!closeRequested_) return;
  closeRequested_ = false;
  view_.CloseWindow();
}

void AcquisitionRun::Cancel() {
  if (!IsRunning()) return;
  if (!view_.ConfirmYesNo(std::string(kCancelQuestion))) return;
  // The download may have finished, and the records been read, while the
  // question was open: everything is stored and the completion text stays.
  if (!IsRunning()) return;
  view_.StopTimer();
  jvLink_.JVCancel();
  // The read loop sees the flag at its next turn, then closes JV-Link.
  cancelRequested_ = true;
  Report(std::string(kCancelled));
  view_.SetStatusText(std::string(kCancelled));
  if (phase_ == Phase::Fetching) EndFetch(RunOutcome::Cancelled);
}

bool AcquisitionRun::FormCloseQuery() {
  if (phase_ == Phase::Reading) {
    closeRequested_ = true;
    return false;
  }
  // The window goes at once; the download it was waiting for goes with it.
  if (phase_ == Phase::Fetching) {
    view_.StopTimer();
    jvLink_.JVCancel();
    EndFetch(RunOutcome::Cancelled);
  }
  if (dateListRebuild_) dateListRebuild_();
  return true;
}

AcquisitionRun::ReadEnd AcquisitionRun::ReadRecords() {
  view_.SetStatusText(Progress(kReadProgress, 0, readCount_));
  view_.SetBarPosition(ProgressBar::Read, 0);
  view_.SetBarRange(ProgressBar::Read, 0, readCount_);
  std::int32_t filesBegun = 0;
  std::int32_t size = kReadBufferSize;
  std::u16string record;
  std::u16string fileName;
  auto answeredSince = std::chrono::steady_clock::now();  // the last answer other than -2 or -3
  while (true) {
    view_.ProcessPendingEvents();
    if (cancelRequested_) {
      SetOutcome(RunOutcome::Cancelled);
      return ReadEnd::Cancelled;
    }
    fileName.clear();  // so that a name left from an earlier call is never shown
    const std::int32_t result = jvLink_.JVRead(record, size, fileName);
    if (result > 0) {
      ReadEnd end = ReadEnd::EndOfData;
      RouteRecord(record, end);
      if (end == ReadEnd::StoreFailure) return end;
    } else if (result == kJVReadFileChanged) {
      ++filesBegun;
      view_.SetBarPosition(ProgressBar::Read, filesBegun);
      view_.SetStatusText(Progress(kReadProgress, filesBegun, readCount_));
    } else if (result == kJVReadEnd) {
      // Both bars stay full: everything was fetched and read.
      view_.SetBarPosition(ProgressBar::Download, downloadCount_ != 0 ? downloadCount_ : kFullBar);
      view_.SetBarPosition(ProgressBar::Read, readCount_);
      view_.SetStatusText(std::string(kReadComplete));
      SetOutcome(RunOutcome::Completed);
      return ReadEnd::EndOfData;
    } else if (result < kJVReadDownloading) {
      Report(WithFileName(Joined(kReadError, JVResultMessage("JVRead", result)), fileName));
      SetOutcome(RunOutcome::ReadFailed);
      return ReadEnd::ReadError;
    }
    if (result != kJVReadAgain && result != kJVReadDownloading) {
      answeredSince = std::chrono::steady_clock::now();
      continue;
    }
    // -2 and -3: call again at once, within the limit.
    if (std::chrono::steady_clock::now() - answeredSince > progressLimit_) {
      Report(WithFileName(std::string(kReadStalled) + std::string(kWaitedSeconds) + Seconds(progressLimit_), fileName));
      SetOutcome(RunOutcome::Stalled);
      return ReadEnd::ReadError;
    }
  }
}

void AcquisitionRun::RouteRecord(const std::u16string& record, ReadEnd& end) {
  StoreResult result;
  try {
    result = writer_.Store(Utf16ToCp932(record));
  } catch (const StoreError& error) {
    Report(StoreFailureText(error, writer_.StoredSinceFlush()));
    SetOutcome(RunOutcome::StoreFailed);
    end = ReadEnd::StoreFailure;
    return;
  }
  if (result.outcome == StoreOutcome::Stored) view_.AddListLine(result.listLine);
  if (result.outcome == StoreOutcome::Refused) {
    ++refusedRecords_;
    view_.AddListLine(std::string(kRefusedRecordPrefix) + result.reason);
  }
}

void AcquisitionRun::CloseJVLink() {
  const std::int32_t result = jvLink_.JVClose();
  view_.SetBusyCursor(false);
  if (result == 0) {
    view_.Beep();
    return;
  }
  Report(Joined(kCloseError, JVResultMessage("JVClose", result)));
  if (outcome_ == RunOutcome::Completed || outcome_ == RunOutcome::NothingNew) SetOutcome(RunOutcome::CloseFailed);
}

void AcquisitionRun::RememberLastFileTimestamp() {
  const std::string stamp = Utf16ToCp932(lastFileTimestamp_);
  const std::string_view trimmed = TrimBlanks(stamp);
  if (trimmed.empty() || stamp == kNoTimestamp) return;
  // Characters 1-14 are the time; a shorter stamp is cut off and no time at all.
  const auto value = FromDigits14(std::string_view(stamp).substr(0, 14));
  if (!value) {
    view_.ShowInformation(DateTimeConversionError(Cp932ToUtf8(SettingsStampText(stamp))));
    return;
  }
  view_.SetPickerDateTime(*value);
  const std::string text = SettingsDateTimeText(*value);
  if (!settings_.WriteString(kSettingsSection, kLastTimeKey, text)) {
    view_.ShowInformation(std::string(kLastTimeNotWritten) + platform::Utf8OfPath(settings_.FilePath()));
    SetOutcome(RunOutcome::LastTimeNotWritten);
  }
}

void AcquisitionRun::Report(const std::string& text) {
  view_.Beep();
  view_.ShowInformation(text);
}

}  // namespace torvane
