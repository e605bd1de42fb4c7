// Loading a full date: 16 races x 300 horses, every horse with its horse
// master and 20 stored results, every past race with its race detail file.
// Prints the load time beside the time to simply read every byte the load
// needs (the date file, the horse master and result files, the race detail
// files it touches), both with the files in the page cache, and the memory
// the load takes beyond the working set.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "browse/DateLoader.h"
#include "browse/WorkingSet.h"
#include "jvdata/RecordBuilder.h"
#include "store/StorePaths.h"

namespace {

using namespace torvane;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kResultsPerHorse = 20;
constexpr int kRacesPerMeetingDay = 12;
constexpr const char* kRaceDate = "20040105";
const std::string kCourses[] = {"05", "06", "08"};

void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string RaceHeader(RecordBuilder& record, const std::string& date, const std::string& course, int race) {
  record.Raw(12, date).Raw(20, course).Raw(22, "01").Raw(24, "01").Digits(26, 2, race);
  return record.Bytes();
}

// Saturdays and Sundays of the year before the race date, oldest first.
std::vector<std::string> MeetingDays() {
  using namespace std::chrono;
  std::vector<std::string> meetingDays;
  for (sys_days saturday = sys_days{2003y / January / 4}; saturday < sys_days{2004y / January / 5};
       saturday += weeks{1})
    for (const sys_days day : {saturday, saturday + days{1}}) {
      const year_month_day ymd{day};
      char text[16];
      std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                    static_cast<unsigned>(ymd.day()));
      meetingDays.push_back(text);
    }
  return meetingDays;
}

std::string BloodNumber(int horse) {
  char text[11];
  std::snprintf(text, sizeof text, "%04d%06d", 1998 + horse % 5, horse);
  return text;
}

void BuildStore(const fs::path& dir) {
  const std::vector<std::string> days = MeetingDays();
  for (const std::string& day : days)
    for (const std::string& course : kCourses) {
      std::string file;
      for (int race = 1; race <= kRacesPerMeetingDay; ++race) {
        RecordBuilder ra("RA");
        file += RaceHeader(ra, day, course, race);
      }
      WriteBytes(RaFilePath(dir, day + course), file);
    }
  std::string dateFile;
  for (int r = 0; r < kMaxRaces; ++r) {
    RecordBuilder tk("TK");
    tk.Raw(3, "1").Digits(653, 3, kMaxEntries);
    for (int h = 0; h < kMaxEntries; ++h) {
      const int horse = r * kMaxEntries + h;
      const std::string blood = BloodNumber(horse);
      tk.Digits(656 + 70 * h, 3, h + 1).Raw(659 + 70 * h, blood);
      RecordBuilder um("UM");
      WriteBytes(UmFilePath(dir, blood), um.Raw(12, blood).Bytes());
      // Results every five meeting days or so, the last within the last weeks.
      std::string results;
      const std::size_t first = days.size() - kResultsPerHorse * 5 + horse % 5;
      for (int j = 0; j < kResultsPerHorse; ++j) {
        RecordBuilder se("SE");
        se.Raw(31, blood);
        results +=
            RaceHeader(se, days[first + 5 * j], kCourses[(horse + j) % 3], 1 + (horse * 7 + j) % kRacesPerMeetingDay);
      }
      WriteBytes(SeFilePath(dir, blood), results);
    }
    dateFile += RaceHeader(tk, kRaceDate, kCourses[r % 3], 1 + r % kRacesPerMeetingDay);
  }
  WriteBytes(DateFilePath(dir, *RaceDay::FromDigits("20040105")), dateFile);
}

// Every file the load reads: the date file, each horse's master and results,
// and the race detail files of the past races it found.
std::vector<fs::path> FilesTheLoadReads(const WorkingSet& ws, const fs::path& dir) {
  std::vector<fs::path> files{DateFilePath(dir, *RaceDay::FromDigits("20040105"))};
  std::set<fs::path> details;
  for (int r = 0; r < ws.LoadedRaceCount; ++r)
    for (int h = 0; h < RegisteredCount(ws.LoadedTk[r]); ++h) {
      const std::string_view blood = ws.LoadedTk[r].Entry(h).BloodNumber();
      files.push_back(UmFilePath(dir, blood));
      files.push_back(SeFilePath(dir, blood));
      for (const SeRecord& se : ws.LoadedSe[r][h]) {
        const fs::path path = RaFilePath(dir, std::string(se.RaceDate()) + std::string(se.CourseCode()));
        if (!path.empty()) details.insert(path);
      }
    }
  files.insert(files.end(), details.begin(), details.end());
  return files;
}

// Reads each file whole into one buffer; the bytes read.
std::size_t ReadWhole(const std::vector<fs::path>& files, std::vector<char>& buffer) {
  std::size_t total = 0;
  for (const fs::path& path : files) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("cannot open " + path.string());
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;) total += static_cast<std::size_t>(n);
    ::close(fd);
  }
  return total;
}

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string_view(field).size());
  return -1;
}

// Starts the peak resident size afresh from the current one.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

template <typename F>
double TimeMs(F&& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main() {
  std::string pattern = (fs::temp_directory_path() / "torvane-loadbench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const fs::path dir = pattern;
  const auto buildStart = Clock::now();
  BuildStore(dir);
  std::printf("store built in %.1f s under %s\n", std::chrono::duration<double>(Clock::now() - buildStart).count(),
              dir.c_str());

  auto ws = std::make_unique<WorkingSet>();
  SilentProgress progress;
  const RaceDay date = *RaceDay::FromDigits("20040105");
  const auto load = [&] {
    const LoadResult result = LoadDate(*ws, dir, date, progress);
    if (result.status != LoadStatus::Loaded || !result.warnings.empty()) throw std::runtime_error("the load failed");
  };

  ResetPeakMemory();
  const long rssBefore = StatusKb("VmRSS:");
  load();  // also brings the files into the page cache
  const long peakAfter = StatusKb("VmHWM:");

  const std::vector<fs::path> files = FilesTheLoadReads(*ws, dir);
  std::vector<char> buffer(1 << 20);
  const std::size_t bytes = ReadWhole(files, buffer);

  // Alternating, so that both see the same load from other processes.
  constexpr int kRuns = 9;
  std::vector<double> loadTimes, readTimes;
  for (int i = 0; i < kRuns; ++i) {
    loadTimes.push_back(TimeMs(load));
    readTimes.push_back(TimeMs([&] { ReadWhole(files, buffer); }));
  }
  const double loadMs = Median(loadTimes);
  const double readMs = Median(readTimes);

  std::printf("working set: %zu bytes\n", sizeof(WorkingSet));
  std::printf("files the load reads: %zu (%.1f MB)\n", files.size(), static_cast<double>(bytes) / 1e6);
  std::printf("raw read of those files: %.1f ms (median of %d)\n", readMs, kRuns);
  std::printf("load of the date:        %.1f ms (median of %d)\n", loadMs, kRuns);
  std::printf("memory beyond the working set during a load: %.2f MB (VmRSS before %ld kB, VmHWM after %ld kB)\n",
              static_cast<double>(peakAfter - rssBefore) / 1024.0, rssBefore, peakAfter);
  fs::remove_all(dir);
  return 0;
}
