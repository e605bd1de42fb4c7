#include "browse/HorseFinder.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <unordered_map>

#include "browse/DateList.h"
#include "browse/GridCopy.h"
#include "browse/KanaFold.h"
#include "browse/OptionalStoreFile.h"
#include "browse/RaceDetailLookup.h"
#include "browse/WorkingSet.h"
#include "codes/KeibaFunc.h"
#include "racetext/HorseProfileText.h"
#include "racetext/PastRaceText.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

using EntryVisitor = std::function<void(const RaceDay& day, int slot, const TkRecord& tk, int entry)>;

// Visits every entry of every race a date load would show: the first 16 TK
// records of each date file, oldest date first. Only the race's head and its
// registered entries are read, a small part of each record.
void ForEachNomination(const std::filesystem::path& programDir, std::vector<LoadWarning>& warnings,
                       const EntryVisitor& visit) {
  std::vector<RaceDay> dates = BuildDateList(programDir);
  std::reverse(dates.begin(), dates.end());
  auto tk = std::make_unique<TkRecord>();
  RecordFileReader reader;
  constexpr std::size_t kHead = kTkEntryTableStart - 1;  // the bytes before the entry table
  for (const RaceDay& date : dates) {
    const std::filesystem::path path = DateFilePath(programDir, date);
    if (!OpenIfPresent(reader, path, kTkRecordSize, warnings)) continue;
    try {
      for (std::size_t r = 0; r < reader.Count() && r < kMaxRaces; ++r) {
        reader.ReadPart(r, 0, kHead, tk->bytes.data());
        const int count = RegisteredCount(*tk);
        reader.ReadPart(r, kHead, static_cast<std::size_t>(count) * kTkEntrySize, tk->bytes.data() + kHead);
        for (int h = 0; h < count; ++h) visit(date, static_cast<int>(r), *tk, h);
      }
    } catch (const StoreError& error) {
      warnings.push_back({path, error.what()});
    }
  }
}

Nomination NominationOf(const RaceDay& day, int slot, const TkRecord& tk, int h) {
  const TkEntry entry = tk.Entry(h);
  return {.day = day,
          .slot = slot,
          .entry = h,
          .bloodNumber = std::string(entry.BloodNumber()),
          .horseName = NameText(entry.HorseName()),
          .courseName = CourseName(tk.CourseCode(), 2),
          .raceNumber = static_cast<int>(ReadCodeNumber(tk.RaceNumber())),
          .raceName = NameText(tk.RaceName()),
          .burdenWeight = BurdenWeightCellText(entry)};
}

struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

bool IsBlankText(const std::u32string& text) {
  return std::all_of(text.begin(), text.end(), [](char32_t c) { return c == U' ' || c == U'　'; });
}

}  // namespace

std::vector<Nomination> NominationsOf(const std::filesystem::path& programDir, std::string_view bloodNumber,
                                      std::vector<LoadWarning>& warnings) {
  std::vector<Nomination> found;
  if (!IsBloodNumber(bloodNumber)) return found;
  ForEachNomination(programDir, warnings, [&](const RaceDay& date, int slot, const TkRecord& tk, int h) {
    if (tk.Entry(h).BloodNumber() == bloodNumber) found.push_back(NominationOf(date, slot, tk, h));
  });
  return found;
}

std::vector<HorseMatch> SearchHorses(const std::filesystem::path& programDir, std::string_view textUtf8,
                                     std::vector<LoadWarning>& warnings) {
  std::vector<HorseMatch> matches;
  const std::u32string wanted = FoldKana(textUtf8);
  if (IsBlankText(wanted)) return matches;
  // The walk goes oldest first, so a later nomination replaces an earlier one.
  std::vector<std::pair<std::string, std::size_t>> byBloodNumber;                // sorted by blood number
  std::unordered_map<std::string, bool, NameHash, std::equal_to<>> nameMatches;  // raw name field: matches
  ForEachNomination(programDir, warnings, [&](const RaceDay& date, int slot, const TkRecord& tk, int h) {
    const TkEntry entry = tk.Entry(h);
    // A horse is nominated many times under the same name: each name is folded once.
    auto known = nameMatches.find(entry.HorseName());
    if (known == nameMatches.end())
      known = nameMatches
                  .emplace(std::string(entry.HorseName()),
                           FoldKana(NameText(entry.HorseName())).find(wanted) != std::u32string::npos)
                  .first;
    if (!known->second) return;
    const std::string blood(entry.BloodNumber());
    auto at = std::lower_bound(byBloodNumber.begin(), byBloodNumber.end(), blood,
                               [](const auto& known, const std::string& b) { return known.first < b; });
    if (at != byBloodNumber.end() && at->first == blood) {
      matches[at->second].newest = NominationOf(date, slot, tk, h);
      return;
    }
    byBloodNumber.insert(at, {blood, matches.size()});
    matches.push_back({blood, NominationOf(date, slot, tk, h)});
  });
  std::sort(matches.begin(), matches.end(), [](const HorseMatch& a, const HorseMatch& b) {
    if (a.newest.day != b.newest.day) return a.newest.day > b.newest.day;
    return a.bloodNumber < b.bloodNumber;
  });
  return matches;
}

std::vector<CareerRace> CareerOf(const std::filesystem::path& programDir, std::string_view bloodNumber,
                                 std::vector<LoadWarning>& warnings) {
  std::vector<CareerRace> career;
  RecordFileReader reader;
  if (!OpenIfPresent(reader, SeFilePath(programDir, bloodNumber), kSeRecordSize, warnings)) return career;
  career.resize(reader.Count());
  try {
    // Stored oldest first: the newest race is the last record.
    for (std::size_t i = 0; i < reader.Count(); ++i) reader.Read(reader.Count() - 1 - i, career[i].result.bytes.data());
  } catch (const StoreError& error) {
    warnings.push_back({SeFilePath(programDir, bloodNumber), error.what()});
    career.clear();
    return career;
  }
  RaceDetailLookup details(career.size());
  for (CareerRace& race : career) details.Add(race.result, race.detail);
  SilentProgress progress;
  details.Resolve(programDir, progress, warnings);
  return career;
}

std::string CareerClipboardText(std::string_view heading, const std::vector<CareerRace>& career) {
  GridCells cells;
  for (const CareerRace& race : career) cells.push_back(PastRaceFields(PastRaceTextsOf(race.result, race.detail)));
  if (cells.empty()) return std::string(heading) + "\r\n";
  return GridRangeText(cells, kPastRaceFieldCount, {0, 0, kPastRaceFieldCount - 1, static_cast<int>(cells.size()) - 1},
                       heading);
}

}  // namespace torvane
