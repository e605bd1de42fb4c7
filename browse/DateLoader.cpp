#include "browse/DateLoader.h"

#include <algorithm>
#include <cstdint>

#include "browse/OptionalStoreFile.h"
#include "browse/RaceDetailLookup.h"
#include "browse/RaceList.h"
#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/DateTime.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"
#include "store/RecordFile.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

constexpr std::size_t kMaxPastRaceLookups = std::size_t{kMaxRaces} * kMaxEntries * kMaxPastRaces;

// Closes the progress however the load ends.
class ProgressSession {
 public:
  ProgressSession(LoadProgress& progress, std::string_view status) : progress_(progress) {
    progress_.Open(status, kLoadProgressSteps);
    progress_.LetPendingEventsThrough();
  }
  ~ProgressSession() { progress_.Close(); }
  ProgressSession(const ProgressSession&) = delete;
  ProgressSession& operator=(const ProgressSession&) = delete;

 private:
  LoadProgress& progress_;
};

// "2003年04月06日中山11R": the status text while a race is read.
std::string RaceStatusText(const TkRecord& tk) {
  return JapaneseDateText(tk.Year(), tk.Month(), tk.Day()) + CourseName(tk.CourseCode(), 2) +
         Cp932ToUtf8(tk.RaceNumber()) + "R";
}

template <typename Records>
void BlankAll(Records& records) {
  for (auto& record : records) record.Blank();
}

// Every record element ends up either filled from the store or blanked, each
// written once: blanking the whole working set first and then overwriting
// most of it would move twice the bytes.
class DateLoad {
 public:
  DateLoad(WorkingSet& workingSet, const std::filesystem::path& programDir, LoadProgress& progress,
           std::vector<LoadWarning>& warnings)
      : ws_(workingSet), programDir_(programDir), progress_(progress), warnings_(warnings) {}

  // First pass: the date's TK records with their horses' masters and results.
  void ReadRaces(const std::filesystem::path& dateFile) {
    ws_.LoadedRaceCount = 0;
    RecordFileReader reader;
    if (OpenIfPresent(reader, dateFile, kTkRecordSize, warnings_)) {
      for (std::size_t r = 0; r < reader.Count() && r < kMaxRaces; ++r) {
        TkRecord& tk = ws_.LoadedTk[r];
        try {
          reader.Read(r, tk.bytes.data());
        } catch (const StoreError& error) {
          warnings_.push_back({dateFile, JapaneseErrorText(error)});
          break;
        }
        // A slot of blanks holds no race: it gets no race list entry and no horses.
        if (!IsSoundRecord(tk.View(), "TK", dateFile, r, warnings_)) tk.Blank();
        progress_.SetStatus(RaceStatusText(tk));
        progress_.Advance();
        progress_.LetPendingEventsThrough();
        ReadHorses(static_cast<int>(r));
        progress_.Advance();
        ws_.LoadedRaceCount = static_cast<int>(r) + 1;
      }
    }
    for (int r = ws_.LoadedRaceCount; r < kMaxRaces; ++r) {
      ws_.LoadedTk[r].Blank();
      BlankAll(ws_.LoadedUm[r]);
      for (int h = 0; h < kMaxEntries; ++h) BlankAll(ws_.LoadedSe[r][h]);
    }
  }

  // Second pass: the race list, and the race details of the listed races.
  void ListRacesAndFindDetails() {
    ws_.RaceList.clear();
    RaceDetailLookup details(kMaxPastRaceLookups);
    for (int r = 0; r < kMaxRaces; ++r) {
      const bool listed = r < ws_.LoadedRaceCount && HasRaceYear(ws_.LoadedTk[r]);
      if (r < ws_.LoadedRaceCount) {
        progress_.Advance();
        progress_.LetPendingEventsThrough();
      }
      if (listed) ws_.RaceList.push_back({RaceListEntryText(ws_.LoadedTk[r]), r});
      const int count = listed ? RegisteredCount(ws_.LoadedTk[r]) : 0;
      for (int h = 0; h < kMaxEntries; ++h) {
        if (h >= count) {
          BlankAll(ws_.LoadedRa[r][h]);
          continue;
        }
        for (int k = 0; k < kMaxPastRaces; ++k) details.Add(ws_.LoadedSe[r][h][k], ws_.LoadedRa[r][h][k]);
      }
    }
    details.Resolve(programDir_, progress_, warnings_);
  }

 private:
  void ReadHorses(int r) {
    const TkRecord& tk = ws_.LoadedTk[r];
    const std::int64_t raceDate = ReadCodeNumber(tk.RaceDate());
    const int count = RegisteredCount(tk);
    for (int h = 0; h < count; ++h) {
      ws_.EntryLoaded[r][h] = 1;
      const std::string_view bloodNumber = tk.Entry(h).BloodNumber();
      ReadHorseMaster(UmFilePath(programDir_, bloodNumber), ws_.LoadedUm[r][h]);
      ReadPastRaces(SeFilePath(programDir_, bloodNumber), raceDate, ws_.LoadedSe[r][h]);
    }
    for (int h = count; h < kMaxEntries; ++h) {
      ws_.LoadedUm[r][h].Blank();
      BlankAll(ws_.LoadedSe[r][h]);
    }
  }

  void ReadHorseMaster(const std::filesystem::path& path, UmRecord& dest) {
    // The file holds one record; its length names the layout.
    if (!OpenIfPresent(reader_, path, {kUmRecordSize, kUmCurrentRecordSize}, warnings_)) {
      dest.Blank();
      return;
    }
    if (reader_.Count() == 0) {
      dest.Blank();
      // A file with a part of a record was reported as damaged on opening.
      if (reader_.TrailingBytes() == 0)
        warnings_.push_back({path, "the horse master file " + platform::Utf8OfPath(path) + " is empty"});
      return;
    }
    try {
      reader_.Read(0, dest.bytes.data());
      dest.SetSize(reader_.RecordSize());
      if (!IsSoundRecord(dest.View(), "UM", path, 0, warnings_)) dest.Blank();
    } catch (const StoreError& error) {
      dest.Blank();
      warnings_.push_back({path, JapaneseErrorText(error)});
    }
  }

  // The results are stored oldest first: walking from the end, the first
  // five before the race date are the five most recent earlier races. They
  // are read a block at a time, since a horse's next hit is usually the
  // record before.
  void ReadPastRaces(const std::filesystem::path& path, std::int64_t raceDate,
                     std::array<SeRecord, kMaxPastRaces>& dest) {
    int stored = 0;
    if (OpenIfPresent(reader_, path, kSeRecordSize, warnings_)) {
      try {
        for (std::size_t end = reader_.Count(); end > 0 && stored < kMaxPastRaces;) {
          const std::size_t count = std::min(end, kResultsPerRead);
          end -= count;
          reader_.ReadRange(end, count, results_.data());
          for (std::size_t i = count; i-- > 0 && stored < kMaxPastRaces;) {
            const std::string_view result(results_.data() + i * kSeRecordSize, kSeRecordSize);
            if (!IsSoundRecord(result, "SE", path, end + i, warnings_)) continue;
            const std::int64_t resultDate = ReadCodeNumber(RaceKeyOf(result).substr(0, 8));
            if (raceDate > resultDate && raceDate > 0 && resultDate > 0) dest[stored++].Assign(result);
          }
        }
      } catch (const StoreError& error) {
        warnings_.push_back({path, JapaneseErrorText(error)});
      }
    }
    for (int k = stored; k < kMaxPastRaces; ++k) dest[k].Blank();
  }

  static constexpr std::size_t kResultsPerRead = 8;

  WorkingSet& ws_;
  const std::filesystem::path& programDir_;
  LoadProgress& progress_;
  std::vector<LoadWarning>& warnings_;
  RecordFileReader reader_;
  std::array<char, kResultsPerRead * kSeRecordSize> results_;
};

}  // namespace

LoadResult LoadDate(WorkingSet& workingSet, const std::filesystem::path& programDir, const RaceDay& day,
                    LoadProgress& progress) {
  const ProgressSession session(progress, day.Text());
  LoadResult result;
  workingSet.ClearEntryFlags();
  const std::filesystem::path dateFile = DateFilePath(programDir, day);
  // A file that cannot even be looked at is reported when it is opened.
  if (dateFile.empty() || platform::IsMissing(dateFile)) {
    result.status = LoadStatus::DateFileMissing;
    return result;
  }
  DateLoad load(workingSet, programDir, progress, result.warnings);
  load.ReadRaces(dateFile);
  load.ListRacesAndFindDetails();
  return result;
}

}  // namespace torvane
