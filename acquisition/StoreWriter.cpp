#include "acquisition/StoreWriter.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <unordered_set>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/DateTime.h"
#include "jvdata/JVData_Structure.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"
#include "store/RecordFile.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

constexpr std::string_view kStoredPrefix = "作成済み:";
constexpr std::string_view kRaceSuffix = "R/";

constexpr std::string_view kStoreError = "データ作成エラー:";
constexpr std::string_view kNotWrittenFiles = "\n書き込めなかったファイル:";
// A dialog of thousands of names helps nobody: the first ones and the count.
constexpr std::size_t kNamedFilesAtMost = 20;

// A field for a message: printable ASCII as it is, every other byte as \xNN,
// so that a malformed field shows what it holds without harming the terminal.
std::string Quoted(std::string_view field) {
  std::string text = "\"";
  for (const char c : field) {
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
      text += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
      text += escaped;
    }
  }
  return text + "\"";
}

StoreResult Skipped() { return {StoreOutcome::Skipped, {}, {}}; }
StoreResult Refused(std::string reason) { return {StoreOutcome::Refused, {}, std::move(reason)}; }

StoreResult Stored(std::string_view middle, const std::filesystem::path& file) {
  std::string line(kStoredPrefix);
  line += middle;
  line += platform::Utf8OfPath(file.filename());
  return {StoreOutcome::Stored, std::move(line), {}};
}

std::string RaceNumberPart(std::string_view raceNumber) {
  std::string part = Cp932ToUtf8(raceNumber);
  part += kRaceSuffix;
  return part;
}

template <typename Record>
void ZeroKindAndCreationDate(Record& record) {
  std::fill_n(record.bytes.begin() + (kKindAndCreationDatePosition - 1), kKindAndCreationDateLength, '0');
}

bool IsKeptSeDataKind(std::string_view kind) { return kind == "7" || kind == "A" || kind == "B"; }

// Why a race date cannot name a store file, or nothing when it can: a date
// such as 00000000 or 20031399 would make a date file no race is held on.
std::optional<std::string> RaceDateFault(std::string_view type, std::string_view date) {
  const std::string what = std::string(type) + " record: the race date " + Quoted(date);
  if (!IsDateDigits(date)) return what + " is not 8 digits";
  if (!FromDigits14(std::string(date) + "000000")) return what + " is no day of the calendar";
  return std::nullopt;
}

}  // namespace

struct StoreWriter::Impl {
  Impl(std::filesystem::path dir, std::size_t budget) : programDir(std::move(dir)), batch(programDir), budget(budget) {}

  std::filesystem::path programDir;
  StoreBatch batch;
  std::size_t budget;
  std::uint64_t bytesWritten = 0;
  std::uint64_t storedSinceFlush = 0;

  StoreResult StoreTk(std::string_view record);
  StoreResult StoreRa(std::string_view record);
  StoreResult StoreSe(std::string_view record);
  StoreResult StoreUm(std::string_view record);
  void Flush();
};

StoreWriter::StoreWriter(std::filesystem::path programDir, std::size_t batchBudgetBytes)
    : impl_(std::make_unique<Impl>(std::move(programDir), batchBudgetBytes)) {}

StoreWriter::~StoreWriter() = default;

const std::filesystem::path& StoreWriter::ProgramDir() const { return impl_->programDir; }

std::uint64_t StoreWriter::BytesWritten() const { return impl_->bytesWritten; }

std::uint64_t StoreWriter::StoredSinceFlush() const { return impl_->storedSinceFlush; }

void StoreWriter::SetStepHook(StepHook hook) {
  impl_->batch.SetStepHook([impl = impl_.get(), hook = std::move(hook)](ReplaceStep step, std::size_t file) {
    hook(impl->batch.FilesWritten() + file + 1, step);
  });
}

void StoreWriter::Flush() { impl_->Flush(); }

void StoreWriter::Impl::Flush() {
  bytesWritten += batch.Write();
  storedSinceFlush = 0;
}

StoreResult StoreWriter::Store(std::string_view record) {
  if (impl_->batch.HeldBytes() >= impl_->budget) impl_->Flush();
  StoreResult result = Route(record);
  if (result.outcome == StoreOutcome::Stored) ++impl_->storedSinceFlush;
  return result;
}

StoreResult StoreWriter::Route(std::string_view record) {
  const std::string_view type = record.substr(0, 2);
  const std::size_t size = RecordSizeOf(type);
  if (size == 0) return Skipped();
  if (!IsRecordSizeOf(type, record.size()))
    return Refused(std::string(type) + " record of " + std::to_string(record.size()) + " bytes; " + std::string(type) +
                   " records have " + std::to_string(size) +
                   (type == "UM" ? " or " + std::to_string(kUmCurrentRecordSize) : std::string()) +
                   " bytes with their CR LF");
  if (!record.ends_with("\r\n")) return Refused(std::string(type) + " record does not end in CR LF");
  if (type == "TK") return impl_->StoreTk(record);
  if (type == "RA") return impl_->StoreRa(record);
  if (type == "SE") return impl_->StoreSe(record);
  return impl_->StoreUm(record);
}

StoreResult StoreWriter::Impl::StoreTk(std::string_view record) {
  TkRecord tk;
  tk.Assign(record);
  if (tk.DataKind() != "1" && tk.DataKind() != "2") return Skipped();
  if (ReadCodeNumber(tk.RaceNumber()) <= 0) return Skipped();
  if (auto fault = RaceDateFault("TK", tk.RaceDate())) return Refused(std::move(*fault));
  // The Data directory belongs to start-up: a missing one fails the write.
  const auto file = DateFilePath(programDir, *RaceDay::FromDigits(tk.RaceDate()));
  batch.RequireDirectory(file.parent_path());
  batch.PutSorted(file, tk.View());
  return Stored(RaceNumberPart(tk.RaceNumber()), file);
}

StoreResult StoreWriter::Impl::StoreRa(std::string_view record) {
  RaRecord ra;
  ra.Assign(record);
  if (auto fault = RaceDateFault("RA", ra.RaceDate())) return Refused(std::move(*fault));
  if (!IsRacecourseCode(ra.CourseCode()))
    return Refused("RA record: the racecourse code " + Quoted(ra.CourseCode()) + " is not 2 letters or digits");
  const auto file = RaFilePath(programDir, std::string(ra.RaceDate()) + std::string(ra.CourseCode()));
  batch.MakeDirectory(file.parent_path());
  ZeroKindAndCreationDate(ra);
  batch.PutSorted(file, ra.View());
  return Stored(RaceNumberPart(ra.RaceNumber()), file);
}

StoreResult StoreWriter::Impl::StoreSe(std::string_view record) {
  SeRecord se;
  se.Assign(record);
  if (!IsBloodNumber(se.BloodNumber()))
    return Refused("SE record: the blood registration number " + Quoted(se.BloodNumber()) + " is not 10 digits");
  // The horse's directory comes before the data-kind test: it appears even
  // when the record itself is not kept.
  const auto file = SeFilePath(programDir, se.BloodNumber());
  batch.MakeDirectory(file.parent_path());
  if (!IsKeptSeDataKind(se.DataKind())) return Skipped();
  ZeroKindAndCreationDate(se);
  batch.PutSorted(file, se.View());
  // The fields as they are: an SE record's date names no file, so it need not be digits.
  std::string middle = JapaneseDateText(se.Year(), se.Month(), se.Day());
  middle += CourseName(se.CourseCode(), 2);
  middle += RaceNumberPart(se.RaceNumber());
  return Stored(middle, file);
}

StoreResult StoreWriter::Impl::StoreUm(std::string_view record) {
  UmRecord um;
  um.Assign(record);
  if (!IsBloodNumber(um.BloodNumber()))
    return Refused("UM record: the blood registration number " + Quoted(um.BloodNumber()) + " is not 10 digits");
  const auto file = UmFilePath(programDir, um.BloodNumber());
  batch.MakeDirectory(file.parent_path());
  batch.PutWhole(file, um.View());
  return Stored({}, file);
}

std::string StoreFailureText(const std::exception& error, std::uint64_t unsavedRecords) {
  std::string text = std::string(kStoreError) + JapaneseErrorText(error);
  const auto* batchError = dynamic_cast<const BatchWriteError*>(&error);
  if (!batchError) return text;
  const auto& files = batchError->NotWritten();
  text += kNotWrittenFiles;
  for (std::size_t i = 0; i < files.size() && i < kNamedFilesAtMost; ++i) text += "\n" + platform::Utf8OfPath(files[i]);
  if (files.size() > kNamedFilesAtMost)
    text += "\nほか" + std::to_string(files.size() - kNamedFilesAtMost) + "ファイル";
  if (unsavedRecords > 0)
    text += "\n一覧の最後の" + std::to_string(unsavedRecords) + "件の作成済みデータは保存されていません。";
  return text;
}

}  // namespace torvane
