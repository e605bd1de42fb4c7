// Imports a generated delivery through the store writer and prints records per
// second and bytes written per record.
//
//   ImportBench [WEEKS]   (default 42 weeks: about 50,000 records)
//
// The delivery looks like a season of racing: each week two race days at
// three racecourses with twelve races each; per race one RA and fourteen SE
// records of horses drawn from a pool, so that a horse runs every few weeks;
// the three main races of each racecourse day come as TK records twice (data
// kind "1", then "2" with the handicaps); one UM record per horse that ran.
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "acquisition/StoreWriter.h"
#include "jvdata/RecordBuilder.h"
#include "store/StorePaths.h"

namespace {

using namespace torvane;
using namespace std::chrono;

constexpr int kDaysPerWeek = 2;
constexpr int kRacesPerDay = 12;
constexpr int kRunnersPerRace = 14;
constexpr int kHorsePool = 6000;
constexpr int kMainRaces[] = {9, 10, 11};
constexpr const char* kCourses[] = {"05", "06", "08"};

std::string Digits(int value, int width) {
  std::string text = std::to_string(value);
  return std::string(static_cast<std::size_t>(width) - text.size(), '0') + text;
}

std::string DateDigits(sys_days day) {
  const year_month_day date{day};
  return Digits(static_cast<int>(date.year()), 4) + Digits(static_cast<int>(static_cast<unsigned>(date.month())), 2) +
         Digits(static_cast<int>(static_cast<unsigned>(date.day())), 2);
}

// Deterministic draws, so that every run imports the same delivery.
class Draw {
 public:
  std::uint32_t Next(std::uint32_t bound) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state_ >> 33) % bound;
  }

 private:
  std::uint64_t state_ = 20030406;
};

std::string BloodNumber(int horse) { return Digits(2015 + horse % 5, 4) + Digits(100000 + horse, 6); }

struct Race {
  std::string date;  // yyyymmdd
  std::string course;
  int meeting;
  int dayNumber;
  int raceNumber;
  std::string Key() const { return date + course + Digits(meeting, 2) + Digits(dayNumber, 2) + Digits(raceNumber, 2); }
};

RecordBuilder Header(std::string_view type, char kind, const std::string& created, const Race& race) {
  RecordBuilder record(type);
  record.Raw(3, std::string(1, kind)).Raw(4, created).Raw(12, race.Key());
  return record;
}

std::string TkRecordOf(char kind, const std::string& created, const Race& race, Draw& draw) {
  RecordBuilder tk = Header("TK", kind, created, race);
  tk.Text(33, 60, "ベンチマーク記念").Raw(615, "A").Raw(637, "2000").Raw(641, "11");
  const int count = 18 + static_cast<int>(draw.Next(12));
  tk.Digits(653, 3, count);
  for (int h = 0; h < count; ++h) {
    const int entry = 656 + 70 * h;
    tk.Digits(entry, 3, h + 1).Raw(entry + 3, BloodNumber(static_cast<int>(draw.Next(kHorsePool))));
    tk.Text(entry + 13, 36, "ベンチホース").Raw(entry + 51, "1").Digits(entry + 66, 3, 560);
  }
  return tk.Bytes();
}

std::string RaRecordOf(const std::string& created, const Race& race) {
  return Header("RA", '7', created, race).Raw(698, "1600").Raw(706, "11").Raw(882, "14").Raw(888, "1").Bytes();
}

std::string SeRecordOf(const std::string& created, const Race& race, int horseNumber, int horse) {
  return Header("SE", '7', created, race)
      .Digits(29, 2, horseNumber)
      .Raw(31, BloodNumber(horse))
      .Digits(335, 2, horseNumber)
      .Raw(339, "1345")
      .Bytes();
}

std::string UmRecordOf(int horse) {
  return RecordBuilder("UM").Raw(3, "1").Raw(12, BloodNumber(horse)).Raw(39, "20150301").Bytes();
}

std::vector<std::string> GenerateDelivery(int weeks) {
  std::vector<std::string> records;
  std::set<int> ran;
  Draw draw;
  const sys_days firstDay = year{2003} / January / 4;
  for (int week = 0; week < weeks; ++week) {
    std::vector<Race> races;
    for (int d = 0; d < kDaysPerWeek; ++d) {
      const std::string date = DateDigits(firstDay + days{7 * week + d});
      for (const char* course : kCourses)
        for (int r = 1; r <= kRacesPerDay; ++r)
          races.push_back({date, course, 1 + week / 4, 1 + (week % 4) * 2 + d, r});
    }
    const std::string created = DateDigits(firstDay + days{7 * week - 3});
    const auto mainRace = [](const Race& race) {
      return race.raceNumber >= kMainRaces[0] && race.raceNumber <= kMainRaces[2];
    };
    for (const Race& race : races)
      if (mainRace(race)) records.push_back(TkRecordOf('1', created, race, draw));
    for (const Race& race : races) records.push_back(RaRecordOf(created, race));
    for (const Race& race : races) {
      std::set<int> runners;
      while (runners.size() < kRunnersPerRace) runners.insert(static_cast<int>(draw.Next(kHorsePool)));
      int horseNumber = 1;
      for (const int horse : runners) {
        records.push_back(SeRecordOf(created, race, horseNumber++, horse));
        ran.insert(horse);
      }
    }
    for (const Race& race : races)
      if (mainRace(race)) records.push_back(TkRecordOf('2', created, race, draw));
  }
  for (const int horse : ran) records.push_back(UmRecordOf(horse));
  return records;
}

// User and system CPU seconds of this process so far: unlike the wall time,
// it hardly depends on what else the machine is doing.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
  const int weeks = argc > 1 ? std::atoi(argv[1]) : 42;
  const std::vector<std::string> delivery = GenerateDelivery(weeks);
  std::uint64_t deliveredBytes = 0;
  for (const auto& record : delivery) deliveredBytes += record.size();

  std::string pattern = (std::filesystem::temp_directory_path() / "torvane-import-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::filesystem::path programDir = pattern;
  CreateStoreDirectories(programDir);

  std::size_t stored = 0;
  StoreWriter writer(programDir);
  const auto start = steady_clock::now();
  const double cpuStart = CpuSeconds();
  for (const auto& record : delivery)
    if (writer.Store(record).outcome == StoreOutcome::Stored) ++stored;
  const double seconds = duration<double>(steady_clock::now() - start).count();
  const double cpuSeconds = CpuSeconds() - cpuStart;
  std::filesystem::remove_all(programDir);

  std::printf("records delivered: %zu (%.1f MB), stored: %zu\n", delivery.size(), deliveredBytes / 1e6, stored);
  std::printf("time: %.2f s (CPU %.2f s, %.0f us per record)\n", seconds, cpuSeconds,
              cpuSeconds / delivery.size() * 1e6);
  std::printf("records per second: %.0f\n", delivery.size() / seconds);
  std::printf("bytes written: %.1f MB, per record: %.0f\n", writer.BytesWritten() / 1e6,
              static_cast<double>(writer.BytesWritten()) / delivery.size());
  return stored == delivery.size() ? 0 : 1;
}
