#include "demo/DemoDelivery.h"

#include <algorithm>
#include <ctime>
#include <stdexcept>
#include <system_error>
#include <tuple>

#include "demo/DemoRacing.h"
#include "demo/DemoRecords.h"
#include "demo/DemoWeek.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torvane {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

int YearOf(sys_days day) { return static_cast<int>(year_month_day{day}.year()); }

class FileMaker {
 public:
  explicit FileMaker(sys_days stampDate) : stampDate_(DateDigits(stampDate)) {}

  // Each file gets the next hour of the stamp date, so that their order is the order they are made in.
  void Add(const std::string& family, const std::vector<std::string>& records) {
    const int hour = 6 + static_cast<int>(stampCount_++);
    if (records.empty()) return;
    DeliveryFile file{
        family + "_" + stampDate_ + ZeroPadded(hour, 2) + "0000.jvd", {}, static_cast<int>(records.size())};
    for (const std::string& record : records) file.contents += record;
    files_.push_back(std::move(file));
  }

  std::vector<DeliveryFile> Take() { return std::move(files_); }

 private:
  std::string stampDate_;
  std::size_t stampCount_ = 0;
  std::vector<DeliveryFile> files_;
};

std::vector<std::string> HorseRecords(const DemoWeek& week, bool allCurrent = false) {
  std::vector<const DemoHorse*> horses;
  for (const DemoHorse& horse : week.horses) horses.push_back(&horse);
  std::sort(horses.begin(), horses.end(),
            [](const DemoHorse* a, const DemoHorse* b) { return a->bloodNumber < b->bloodNumber; });
  std::vector<std::string> records;
  for (const DemoHorse* horse : horses) {
    DemoHorse copy = *horse;
    copy.currentLayout = copy.currentLayout || allCurrent;
    records.push_back(UmRecordOf(week, copy));
  }
  return records;
}

std::vector<std::string> RaceDetailRecords(const DemoWeek& week, int year) {
  std::vector<std::string> records;
  for (const auto& [key, race] : week.pastRaces)
    if (YearOf(race.id.date) == year) records.push_back(RaRecordOf(race));
  return records;
}

// In race order, the horses of a race by horse number.
std::vector<std::string> ResultRecords(const DemoWeek& week, int year) {
  std::vector<std::tuple<std::string, int, const DemoHorse*, const DemoRun*>> results;
  for (const DemoHorse& horse : week.horses)
    for (const DemoRun& run : horse.runs)
      if (YearOf(week.pastRaces.at(run.raceKey).id.date) == year)
        results.emplace_back(run.raceKey, run.horseNumber, &horse, &run);
  std::sort(results.begin(), results.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
  });
  std::vector<std::string> records;
  for (const auto& [key, number, horse, run] : results)
    records.push_back(SeRecordOf(*horse, *run, week.pastRaces.at(key)));
  return records;
}

std::vector<std::string> RegistrationRecords(const DemoWeek& week, sys_days day) {
  std::vector<std::string> records;
  for (const DemoSpecialRace& race : week.races)
    if (race.id.date == day) records.push_back(TkRecordOf(week, race));
  return records;
}

}  // namespace

std::vector<DeliveryFile> MakeDemoDelivery(sys_days weekOf, bool currentKinds) {
  const DemoWeek week = MakeDemoWeek(weekOf);
  const int year = YearOf(week.meetingDays[0]);
  FileMaker maker(weekOf);
  const auto addPastRaces = [&](const std::string& kind) {
    for (int pastYear : {year - 1, year}) {
      maker.Add(kind + "RA" + std::to_string(pastYear), RaceDetailRecords(week, pastYear));
      maker.Add(kind + "SE" + std::to_string(pastYear), ResultRecords(week, pastYear));
    }
  };
  maker.Add("UM", HorseRecords(week));
  addPastRaces("");
  for (sys_days day : week.meetingDays) maker.Add("TK" + DateDigits(day), RegistrationRecords(week, day));
  if (currentKinds) {
    // DIFN succeeds DIFF: the same horses, every master in the current
    // layout, and the same details and results, so that either choice
    // shows the whole week.
    maker.Add("DIFN", HorseRecords(week, true));
    addPastRaces("DIFN");
    addPastRaces("RACE");
  }
  return maker.Take();
}

void WriteDemoDelivery(const std::filesystem::path& dir, const std::vector<DeliveryFile>& files) {
  std::error_code error;
  platform::CreateDirectories(dir, error);
  if (error || !platform::IsDirectory(dir))
    throw std::runtime_error("cannot create the directory " + platform::Utf8OfPath(dir) + ": " +
                             (error ? error.message() : "a file of that name is in the way"));
  for (const DeliveryFile& file : files) {
    const std::filesystem::path path = dir / file.name;
    try {
      platform::ReplaceFileAtomically(path, file.contents);
    } catch (const platform::FileError& failure) {
      throw std::runtime_error("cannot write " + platform::Utf8OfPath(path) + ": " +
                               (failure.Code() ? failure.Code().message() : std::string(failure.what())));
    }
  }
}

sys_days ParseDemoDate(std::string_view yyyymmdd) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (yyyymmdd.size() != 8 || !std::all_of(yyyymmdd.begin(), yyyymmdd.end(), isDigit))
    throw std::invalid_argument("the date '" + std::string(yyyymmdd) + "' is not of the form yyyymmdd");
  const int year = std::stoi(std::string(yyyymmdd.substr(0, 4)));
  const auto month = static_cast<unsigned>(std::stoi(std::string(yyyymmdd.substr(4, 2))));
  const auto day = static_cast<unsigned>(std::stoi(std::string(yyyymmdd.substr(6, 2))));
  const year_month_day date{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
  if (!date.ok()) throw std::invalid_argument("the date '" + std::string(yyyymmdd) + "' is not a calendar date");
  // Birth years and the years of the races must stay four digits.
  if (year < 1900 || year > 9998)
    throw std::invalid_argument("the date '" + std::string(yyyymmdd) + "' is outside the years 1900 to 9998");
  return sys_days{date};
}

sys_days LocalToday() {
  const std::tm local = platform::LocalTimeNow();
  return sys_days{std::chrono::year{local.tm_year + 1900} /
                  std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
                  std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace torvane
