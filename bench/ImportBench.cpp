// Imports a generated delivery through the store writer, the way the import
// command does (file by file, then one flush), and prints records per second,
// bytes written per record, peak memory, and the time no writer can beat on
// the same machine: reading the delivery once and writing the final store
// once. Everything is under the system's temporary directory.
//
//   ImportBench [RECORDS]   (default 50,000; the seasons it takes, 1,000,000 about 18)
//
// The delivery looks like seasons of racing: each week two race days at
// three racecourses with twelve races each; per race one RA and fourteen SE
// records of horses of the three crops in training; the three main races of
// each racecourse day come as TK records twice (data kind "1", then "2");
// one UM record per horse that ran, after each season.
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "acquisition/StoreWriter.h"
#include "jvdata/RecordBuilder.h"
#include "platform/Files.h"
#include "store/StorePaths.h"

namespace {

using namespace torvane;
using namespace std::chrono;

constexpr int kDaysPerWeek = 2;
constexpr int kRacesPerDay = 12;
constexpr int kRunnersPerRace = 14;
constexpr int kMainRaces[] = {9, 10, 11};
constexpr const char* kCourses[] = {"05", "06", "08"};

std::string Digits(int value, int width) {
  std::string text = std::to_string(value);
  if (value < 0 || text.size() > static_cast<std::size_t>(width))
    throw std::out_of_range(text + " does not fit a field of " + std::to_string(width) + " digits");
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

template <typename NextHorse>
std::string TkRecordOf(char kind, const std::string& created, const Race& race, NextHorse nextHorse, Draw& draw) {
  RecordBuilder tk = Header("TK", kind, created, race);
  tk.Text(33, 60, "ベンチマーク記念").Raw(615, "A").Raw(637, "2000").Raw(641, "11");
  const int count = 18 + static_cast<int>(draw.Next(12));
  tk.Digits(653, 3, count);
  for (int h = 0; h < count; ++h) {
    const int entry = 656 + 70 * h;
    tk.Digits(entry, 3, h + 1).Raw(entry + 3, nextHorse());
    tk.Text(entry + 13, 36, "ベンチホース").Raw(entry + 51, "1").Digits(entry + 66, 3, 560);
  }
  return tk.Bytes();
}

std::string RaRecordOf(const std::string& created, const Race& race) {
  return Header("RA", '7', created, race).Raw(698, "1600").Raw(706, "11").Raw(882, "14").Raw(888, "1").Bytes();
}

std::string SeRecordOf(const std::string& created, const Race& race, int horseNumber, const std::string& horse) {
  return Header("SE", '7', created, race)
      .Digits(29, 2, horseNumber)
      .Raw(31, horse)
      .Digits(335, 2, horseNumber)
      .Raw(339, "1345")
      .Bytes();
}

std::string UmRecordOf(const std::string& horse, int crop) {
  return RecordBuilder("UM").Raw(3, "1").Raw(12, horse).Raw(39, Digits(crop, 4) + "0301").Bytes();
}

// A crop of new horses each year, each running for three seasons, so that a
// horse's SE file stays the size of a career however many seasons there are.
constexpr int kCropSize = 2500;
constexpr int kSeasonsRun = 3;
constexpr int kFirstYear = 2003;

std::string BloodNumber(int crop, int index) { return Digits(crop, 4) + Digits(index, 6); }

struct Horse {
  int crop;
  int index;
  std::string Number() const { return BloodNumber(crop, index); }
  bool operator<(const Horse& other) const { return std::tie(crop, index) < std::tie(other.crop, other.index); }
};

// One delivery file per week, as JV-Link hands them over, written to folder:
// the three main races of each racecourse day as TK records twice (data kind
// "1", then "2" with the handicaps), one RA and fourteen SE records per race,
// and after each season's last week one UM record per horse that ran in it.
// Ends with the first week that reaches the wanted number of records.
struct Delivery {
  std::vector<std::filesystem::path> files;
  std::uint64_t records = 0;
  std::uint64_t bytes = 0;
};

Delivery GenerateDelivery(std::uint64_t wanted, const std::filesystem::path& folder) {
  Delivery delivery;
  std::set<Horse> ranThisSeason;
  Draw draw;
  const auto write = [&](const std::vector<std::string>& records) {
    std::string contents;
    for (const auto& record : records) contents += record;
    delivery.files.push_back(folder / ("week" + Digits(static_cast<int>(delivery.files.size()), 5) + ".jvd"));
    std::ofstream(delivery.files.back(), std::ios::binary)
        .write(contents.data(), static_cast<std::streamsize>(contents.size()));
    delivery.records += records.size();
    delivery.bytes += contents.size();
  };
  for (int week = 0; delivery.records < wanted; ++week) {
    const sys_days saturday = sys_days{year{kFirstYear} / January / 4} + days{7 * week};
    const int season = static_cast<int>(year_month_day{saturday}.year());
    const int weekOfSeason = static_cast<int>((saturday - sys_days{year{season} / January / 1}).count() / 7);
    std::vector<Race> races;
    for (int d = 0; d < kDaysPerWeek; ++d) {
      const std::string date = DateDigits(saturday + days{d});
      for (const char* course : kCourses)
        for (int r = 1; r <= kRacesPerDay; ++r)
          races.push_back({date, course, 1 + weekOfSeason / 4, 1 + (weekOfSeason % 4) * 2 + d, r});
    }
    const std::string created = DateDigits(saturday - days{3});
    const auto mainRace = [](const Race& race) {
      return race.raceNumber >= kMainRaces[0] && race.raceNumber <= kMainRaces[2];
    };
    const auto drawHorse = [&] {
      return Horse{season - 2 - static_cast<int>(draw.Next(kSeasonsRun)), static_cast<int>(draw.Next(kCropSize))};
    };
    std::vector<std::string> records;
    for (const Race& race : races)
      if (mainRace(race))
        records.push_back(TkRecordOf(
            '1', created, race, [&] { return drawHorse().Number(); }, draw));
    for (const Race& race : races) records.push_back(RaRecordOf(created, race));
    for (const Race& race : races) {
      std::set<Horse> runners;
      while (runners.size() < kRunnersPerRace) runners.insert(drawHorse());
      int horseNumber = 1;
      for (const Horse& horse : runners) {
        records.push_back(SeRecordOf(created, race, horseNumber++, horse.Number()));
        ranThisSeason.insert(horse);
      }
    }
    for (const Race& race : races)
      if (mainRace(race))
        records.push_back(TkRecordOf(
            '2', created, race, [&] { return drawHorse().Number(); }, draw));
    const bool seasonEnds = year_month_day{saturday + days{7}}.year() != year_month_day{saturday}.year();
    if (seasonEnds || delivery.records + records.size() >= wanted) {
      for (const Horse& horse : ranThisSeason) records.push_back(UmRecordOf(horse.Number(), horse.crop));
      ranThisSeason.clear();
    }
    write(records);
  }
  return delivery;
}

// User and system CPU seconds of this process so far: unlike the wall time,
// it hardly depends on what else the machine is doing.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

// The records of a delivered file, each ending in CR LF.
std::vector<std::string_view> SplitRecords(std::string_view contents) {
  std::vector<std::string_view> records;
  while (!contents.empty()) {
    const std::size_t length = contents.find("\r\n") + 2;
    records.push_back(contents.substr(0, length));
    contents.remove_prefix(length);
  }
  return records;
}

// What no writer can beat: reading the delivery once and writing the final
// store once (each file read and written anew, then flushed to the disk).
double ReadOnceWriteOnceSeconds(const Delivery& delivery, const std::filesystem::path& store,
                                const std::filesystem::path& copy) {
  const auto start = steady_clock::now();
  std::uint64_t read = 0;
  for (const auto& file : delivery.files) read += platform::ReadFileContents(file).size();
  for (const auto& entry : std::filesystem::recursive_directory_iterator(store)) {
    const auto target = copy / std::filesystem::relative(entry.path(), store);
    if (entry.is_directory()) {
      std::filesystem::create_directory(target);
    } else {
      const std::string contents = platform::ReadFileContents(entry.path());
      std::ofstream(target, std::ios::binary).write(contents.data(), static_cast<std::streamsize>(contents.size()));
    }
  }
  platform::FlushFileSystem(copy);
  if (read != delivery.bytes) std::fprintf(stderr, "the delivery read back differs\n");
  return duration<double>(steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t wanted = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 50000;
  std::string pattern = (std::filesystem::temp_directory_path() / "torvane-import-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::filesystem::path root = pattern;
  const auto programDir = root / "program", folder = root / "delivery", copy = root / "copy";
  std::filesystem::create_directories(folder);
  const Delivery delivery = GenerateDelivery(wanted, folder);
  CreateStoreDirectories(programDir);

  std::uint64_t stored = 0;
  StoreWriter writer(programDir);
  const auto start = steady_clock::now();
  const double cpuStart = CpuSeconds();
  for (const auto& file : delivery.files) {
    const std::string contents = platform::ReadFileContents(file);
    for (const std::string_view record : SplitRecords(contents))
      if (writer.Store(record).outcome == StoreOutcome::Stored) ++stored;
  }
  writer.Flush();
  const double seconds = duration<double>(steady_clock::now() - start).count();
  const double cpuSeconds = CpuSeconds() - cpuStart;
  const double peak = PeakMemoryMiB();
  std::filesystem::create_directories(copy);
  const double limit = ReadOnceWriteOnceSeconds(delivery, programDir, copy);
  std::filesystem::remove_all(root);

  const double records = static_cast<double>(delivery.records);
  std::printf("records delivered: %llu (%.1f MB, %.0f bytes each), stored: %llu\n",
              static_cast<unsigned long long>(delivery.records), delivery.bytes / 1e6, delivery.bytes / records,
              static_cast<unsigned long long>(stored));
  std::printf("import: %.2f s (CPU %.2f s), %.0f records/s; written %.0f bytes per record; peak memory %.0f MiB\n",
              seconds, cpuSeconds, records / seconds, writer.BytesWritten() / records, peak);
  std::printf("read-once/write-once limit: %.2f s; import / limit: %.2f\n", limit, seconds / limit);
  return stored == delivery.records ? 0 : 1;
}
