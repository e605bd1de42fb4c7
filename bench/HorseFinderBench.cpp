// The questions asked of the whole store, on five years of date files: two
// meeting days a week, three racecourses, four special races a day of 18 to
// 30 nominees each, drawn from 8000 horses. Prints the time of a horse's
// nominations, a name search and a career with the files in the page cache,
// and of the earned-prize order of a loaded race; each should stay within
// 100 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "browse/DateLoader.h"
#include "browse/HorseFinder.h"
#include "browse/PrizeRanking.h"
#include "jvdata/RecordBuilder.h"
#include "store/StorePaths.h"

namespace {

using namespace torvane;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kYears = 5;
constexpr int kHorses = 8000;
constexpr int kCareerRaces = 40;
const std::string kCourses[] = {"05", "06", "08"};
const char* const kSyllables[] = {"サ", "ク", "ラ", "ミ", "ナ", "モ", "テ", "ィ", "ア", "ゴ", "ー", "ル", "ド",
                                  "シ", "プ", "ブ", "レ", "イ", "ヴ", "キ", "ン", "グ", "オ", "カ", "ジ", "ャ"};

void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string BloodNumberOf(int horse) { return std::to_string(2015 + horse % 5) + std::to_string(100000 + horse); }

std::string NameOf(int horse, std::mt19937& random) {
  std::string name;
  const int length = 4 + static_cast<int>(random() % 5);
  for (int i = 0; i < length; ++i) name += kSyllables[random() % std::size(kSyllables)];
  return name + std::to_string(horse % 10);  // distinct enough; a digit is half-width, which the name field allows
}

// The date files of kYears years of Saturdays and Sundays; returns how many.
int BuildStore(const fs::path& dir, std::vector<std::string>& names) {
  std::mt19937 random(18);
  for (int h = 0; h < kHorses; ++h) names.push_back(NameOf(h, random));
  int files = 0;
  const std::chrono::sys_days first = std::chrono::year{2020} / 1 / 4;  // a Saturday
  for (int week = 0; week < 52 * kYears; ++week) {
    for (int day = 0; day < 2; ++day) {
      const std::chrono::year_month_day date{first + std::chrono::days{7 * week + day}};
      char yyyymmdd[16];  // room for any int, so that the compiler sees no cut
      std::snprintf(yyyymmdd, sizeof yyyymmdd, "%04d%02u%02u", static_cast<int>(date.year()),
                    static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
      std::string contents;
      for (const std::string& course : kCourses) {
        for (int race = 9; race <= 12; ++race) {
          RecordBuilder tk("TK");
          tk.Raw(3, "1").Raw(12, yyyymmdd).Raw(20, course).Raw(22, "03").Raw(24, "04").Digits(26, 2, race);
          tk.Text(33, 60, "特別競走").Raw(641, "11");
          const int nominees = 18 + static_cast<int>(random() % 13);
          tk.Digits(653, 3, nominees);
          for (int h = 0; h < nominees; ++h) {
            const int horse = static_cast<int>(random() % kHorses);
            const int at = 656 + 70 * h;
            tk.Digits(at, 3, h + 1).Raw(at + 3, BloodNumberOf(horse)).Text(at + 13, 36, names[horse]);
            tk.Raw(at + 51, "1").Raw(at + 66, "560");
          }
          contents += tk.Bytes();
        }
      }
      WriteBytes(DateFilePath(dir, *RaceDay::FromDigits(yyyymmdd)), contents);
      ++files;
    }
  }
  // One horse's career, every race with its race detail.
  std::string results;
  for (int r = 0; r < kCareerRaces; ++r) {
    char yyyymmdd[9];
    std::snprintf(yyyymmdd, sizeof yyyymmdd, "%04d%02d%02d", 2020 + r / 8, 1 + r % 8, 10);
    RecordBuilder se("SE");
    se.Raw(3, "000000000").Raw(12, yyyymmdd).Raw(20, "05").Raw(22, "01").Raw(24, "01").Digits(26, 2, 11);
    se.Raw(31, BloodNumberOf(0)).Digits(335, 2, 1 + r % 10).Raw(339, "1334");
    results += se.Bytes();
    RecordBuilder ra("RA");
    ra.Raw(3, "000000000").Raw(12, yyyymmdd).Raw(20, "05").Raw(22, "01").Raw(24, "01").Digits(26, 2, 11);
    ra.Digits(882, 2, 16).Raw(706, "11").Raw(698, "2000");
    WriteBytes(RaFilePath(dir, std::string(yyyymmdd) + "05"), ra.Bytes());
  }
  WriteBytes(SeFilePath(dir, BloodNumberOf(0)), results);
  return files;
}

template <typename F>
double MedianMs(F&& run) {
  std::vector<double> times;
  for (int i = 0; i < 7; ++i) {
    const auto start = Clock::now();
    run();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  const fs::path dir = fs::temp_directory_path() /
                       ("torvane-horsefinderbench-" + std::to_string(Clock::now().time_since_epoch().count()));
  std::vector<std::string> names;
  const auto buildStart = Clock::now();
  const int files = BuildStore(dir, names);
  std::printf("store of %d date files built in %.1f s under %s\n", files,
              std::chrono::duration<double>(Clock::now() - buildStart).count(), dir.c_str());

  std::vector<LoadWarning> warnings;
  std::size_t nominations = 0, matches = 0, races = 0;
  const double nominationsMs = MedianMs([&] { nominations = NominationsOf(dir, BloodNumberOf(0), warnings).size(); });
  const std::string part = names[0].substr(0, 6);  // two katakana
  const double searchMs = MedianMs([&] { matches = SearchHorses(dir, part, warnings).size(); });
  const double careerMs = MedianMs([&] { races = CareerOf(dir, BloodNumberOf(0), warnings).size(); });

  auto ws = std::make_unique<WorkingSet>();
  SilentProgress progress;
  LoadDate(*ws, dir, *RaceDay::FromDigits("20241221"), progress);
  std::size_t ranked = 0;
  const double rankingMs = MedianMs([&] { ranked = RankByEarnedPrize(*ws, 0, kDefaultGate).size(); });
  if (!warnings.empty()) throw std::runtime_error(warnings.front().message);

  std::printf("nominations of one horse: %6.1f ms (%zu nominations; median of 7)\n", nominationsMs, nominations);
  std::printf("search for \"%s\":      %6.1f ms (%zu horses)\n", part.c_str(), searchMs, matches);
  std::printf("career of one horse:      %6.1f ms (%zu races)\n", careerMs, races);
  std::printf("earned-prize order:       %6.3f ms (%zu nominees)\n", rankingMs, ranked);
  fs::remove_all(dir);
  return 0;
}
