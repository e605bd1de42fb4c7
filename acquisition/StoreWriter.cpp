#include "acquisition/StoreWriter.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/JVData_Structure.h"
#include "platform/Paths.h"
#include "store/FileReplacer.h"
#include "store/RecentFiles.h"
#include "store/RecordFile.h"
#include "store/RecordSequence.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

constexpr std::string_view kStoredPrefix = "作成済み:";
constexpr std::string_view kRaceSuffix = "R/";

// Enough for every file a delivery touches repeatedly (a horse's SE file, the
// date file of the coming races) without holding a whole first acquisition.
constexpr std::size_t kRecentFilesBudget = 64u << 20;

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

}  // namespace

struct StoreWriter::Impl {
  explicit Impl(std::filesystem::path dir) : programDir(std::move(dir)), mark(programDir) {}

  std::filesystem::path programDir;
  WriterMark mark;
  std::unordered_set<std::string> knownDirectories;
  RecentFiles recentFiles{kRecentFilesBudget};
  FileReplacer replacer;
  std::uint64_t bytesWritten = 0;
  std::uint64_t records = 0;

  StoreResult StoreTk(std::string_view record);
  StoreResult StoreRa(std::string_view record);
  StoreResult StoreSe(std::string_view record);
  StoreResult StoreUm(std::string_view record);

  void EnsureDirectory(const std::filesystem::path& directory);
  // Puts record into the sorted file; an error text when the file holds
  // something other than records of this type (it is then left untouched).
  std::string StoreSorted(const std::filesystem::path& file, std::string_view record);
};

StoreWriter::StoreWriter(std::filesystem::path programDir) : impl_(new Impl(std::move(programDir))) {}

StoreWriter::~StoreWriter() { delete impl_; }

std::uint64_t StoreWriter::BytesWritten() const { return impl_->bytesWritten; }

void StoreWriter::SetStepHook(StepHook hook) {
  impl_->replacer.SetStepHook([impl = impl_, hook = std::move(hook)](ReplaceStep step) { hook(impl->records, step); });
}

StoreResult StoreWriter::Store(std::string_view record) {
  ++impl_->records;
  const std::string_view type = record.substr(0, 2);
  const std::size_t size = RecordSizeOf(type);
  if (size == 0) return Skipped();
  if (record.size() != size)
    return Refused(std::string(type) + " record of " + std::to_string(record.size()) + " bytes; " + std::string(type) +
                   " records have " + std::to_string(size) + " bytes with their CR LF");
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
  if (!IsDateDigits(tk.RaceDate()))
    return Refused("TK record: the race date " + Quoted(tk.RaceDate()) + " is not 8 digits");
  // The Data directory belongs to start-up: a missing one fails the write.
  const auto file = DateFilePath(programDir, DateText(tk.Year(), tk.Month(), tk.Day()));
  if (auto problem = StoreSorted(file, tk.View()); !problem.empty()) return Refused(std::move(problem));
  return Stored(RaceNumberPart(tk.RaceNumber()), file);
}

StoreResult StoreWriter::Impl::StoreRa(std::string_view record) {
  RaRecord ra;
  ra.Assign(record);
  if (!IsDateDigits(ra.RaceDate()))
    return Refused("RA record: the race date " + Quoted(ra.RaceDate()) + " is not 8 digits");
  if (!IsRacecourseCode(ra.CourseCode()))
    return Refused("RA record: the racecourse code " + Quoted(ra.CourseCode()) + " is not 2 letters or digits");
  const auto file = RaFilePath(programDir, std::string(ra.RaceDate()) + std::string(ra.CourseCode()));
  EnsureDirectory(file.parent_path());
  ZeroKindAndCreationDate(ra);
  if (auto problem = StoreSorted(file, ra.View()); !problem.empty()) return Refused(std::move(problem));
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
  EnsureDirectory(file.parent_path());
  if (!IsKeptSeDataKind(se.DataKind())) return Skipped();
  ZeroKindAndCreationDate(se);
  if (auto problem = StoreSorted(file, se.View()); !problem.empty()) return Refused(std::move(problem));
  std::string middle = Cp932ToUtf8(DateText(se.Year(), se.Month(), se.Day()));
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
  EnsureDirectory(file.parent_path());
  replacer.Replace(file, um.View());
  bytesWritten += um.View().size();
  return Stored({}, file);
}

void StoreWriter::Impl::EnsureDirectory(const std::filesystem::path& directory) {
  if (knownDirectories.contains(platform::Utf8OfPath(directory))) return;
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) throw StoreError(FileAction::CreateDirectory, directory, error);
  // Something else in its place.
  if (!std::filesystem::is_directory(directory, error))
    throw StoreError(FileAction::CreateDirectory, directory, std::make_error_code(std::errc::not_a_directory));
  knownDirectories.insert(platform::Utf8OfPath(directory));
}

std::string StoreWriter::Impl::StoreSorted(const std::filesystem::path& file, std::string_view record) {
  const std::size_t size = record.size();
  const std::string_view type = record.substr(0, 2);
  const std::optional<FileStamp> stamp = StampOf(file);
  std::string contents;
  bool reordered = false;
  if (stamp) {
    if (auto recent = recentFiles.Take(platform::Utf8OfPath(file), *stamp)) {
      contents = std::move(*recent);
    } else {
      contents = ReadFileContents(file);
      if (auto problem = RecordSequenceProblem(contents, type, size); !problem.empty())
        return "the store file " + platform::Utf8OfPath(file) + " is damaged (" + problem + "); it is left as it is";
      reordered = SortRecords(contents, size);
    }
  }
  const bool changed = PutRecord(contents, record) || reordered;
  if (!changed) {
    recentFiles.Put(platform::Utf8OfPath(file), std::move(contents), *stamp);
    return {};
  }
  const FileStamp written = replacer.Replace(file, contents);
  bytesWritten += contents.size();
  recentFiles.Put(platform::Utf8OfPath(file), std::move(contents), written);
  return {};
}

}  // namespace torvane
