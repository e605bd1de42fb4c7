#pragma once
// What the store knows of one horse beyond the date on show: its
// nominations in every date file, found by blood registration number or by
// part of its name, and its whole career from its SE file.
//
// Every answer is read from the store files at the time of asking, so it can
// never be stale; the date files hold little else than the nominations, and
// a scan of five years of them stays well within a blink (bench/HorseFinderBench).

#include <string>
#include <string_view>
#include <vector>

#include "browse/LoadResult.h"
#include "jvdata/DateTime.h"
#include "jvdata/JVData_Structure.h"
#include "platform/Paths.h"

namespace torvane {

// One TK entry of a date file.
struct Nomination {
  RaceDay day;    // of its date file
  int slot = 0;   // the race slot of its TK record in that date file
  int entry = 0;  // the entry index in the TK record (0..299)
  std::string bloodNumber;
  std::string horseName;   // UTF-8, trimmed
  std::string courseName;  // UTF-8, "中山"
  int raceNumber = 0;
  std::string raceName;      // UTF-8, trimmed
  std::string burdenWeight;  // "55.0kg", " " when blank
};

// Every nomination of the horse with this blood registration number in the
// races of the store's date files, oldest first (the date file order, then
// the race slot). Date files that cannot be read are listed in warnings.
std::vector<Nomination> NominationsOf(const std::filesystem::path& programDir, std::string_view bloodNumber,
                                      std::vector<LoadWarning>& warnings);

// A horse whose name matches a search, with its newest nomination.
struct HorseMatch {
  std::string bloodNumber;
  Nomination newest;
};

// The nominated horses whose name contains the text, after folding both
// (KanaFold.h): newest nomination first, then by blood registration number.
// An empty text, or one that folds to nothing but blanks, matches no horse.
std::vector<HorseMatch> SearchHorses(const std::filesystem::path& programDir, std::string_view textUtf8,
                                     std::vector<LoadWarning>& warnings);

// One race of a horse's career: its result and the race's detail (blank
// when the store has none).
struct CareerRace {
  SeRecord result;
  RaRecord detail;
};

// Every race of the horse's SE file, newest first. A horse without an SE
// file has no races; a file that cannot be read is listed in warnings.
std::vector<CareerRace> CareerOf(const std::filesystem::path& programDir, std::string_view bloodNumber,
                                 std::vector<LoadWarning>& warnings);

}  // namespace torvane

namespace torvane {

// The career as the horse window copies it to the clipboard: the heading,
// then one TAB-separated line of the past-race texts per race, newest
// first, every line ending in CR LF.
std::string CareerClipboardText(std::string_view heading, const std::vector<CareerRace>& career);

}  // namespace torvane
