#include "demo/DemoRacing.h"

#include <stdexcept>

namespace torvane {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

struct CourseLayout {
  const char* code;
  bool rightHanded;
  std::vector<int> turf;
  std::vector<int> dirt;
  std::vector<int> jump;
};

const std::vector<CourseLayout>& Layouts() {
  static const std::vector<CourseLayout> layouts{
      {"06", true, {1200, 1600, 1800, 2000, 2200, 2500, 3600}, {1200, 1800, 2400, 2500}, {2880, 3200, 3350, 3570}},
      {"09", true, {1200, 1400, 1600, 1800, 2000, 2200, 2400, 3000}, {1200, 1400, 1800, 2000}, {2970, 3110, 3140}},
      {"07", false, {1200, 1400, 1600, 2000, 2200}, {1200, 1400, 1800, 1900}, {3000, 3300, 3330}},
  };
  return layouts;
}

const CourseLayout& LayoutOf(const std::string& course) {
  for (const auto& layout : Layouts())
    if (course == layout.code) return layout;
  throw std::invalid_argument("demo data has no layout for racecourse " + course);
}

}  // namespace

std::string ZeroPadded(long value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  return digits;
}

int ConditionOf(DemoClass raceClass) {
  switch (raceClass) {
    case DemoClass::kNewcomer:
      return 701;
    case DemoClass::kMaiden:
    case DemoClass::kJumpMaiden:
      return 703;
    case DemoClass::kOneWin:
      return 5;
    case DemoClass::kTwoWins:
      return 10;
    case DemoClass::kThreeWins:
      return 16;
    case DemoClass::kOpen:
    case DemoClass::kJumpOpen:
      return 999;
  }
  return 0;
}

bool IsJump(DemoClass raceClass) { return raceClass == DemoClass::kJumpMaiden || raceClass == DemoClass::kJumpOpen; }

bool ListedRacesRunOn(sys_days day) { return day >= sys_days{std::chrono::year{2019} / 1 / 1}; }

std::string DateDigits(sys_days date) {
  const year_month_day ymd{date};
  return ZeroPadded(static_cast<int>(ymd.year()), 4) + ZeroPadded(static_cast<unsigned>(ymd.month()), 2) +
         ZeroPadded(static_cast<unsigned>(ymd.day()), 2);
}

std::string DemoRaceId::Key() const {
  return DateDigits(date) + course + ZeroPadded(meeting, 2) + ZeroPadded(day, 2) + ZeroPadded(number, 2);
}

DemoRaceId RaceIdAt(sys_days date, const std::string& course, int number) {
  const bool sunday = std::chrono::weekday{date} == std::chrono::Sunday;
  const sys_days saturday = sunday ? date - days{1} : date;
  const year_month_day ymd{saturday};
  const int dayOfYear = (saturday - sys_days{ymd.year() / std::chrono::January / 1}).count();
  const int weekend = dayOfYear / 7;
  return {date, course, 1 + (weekend / 4) % 5, (weekend % 4) * 2 + (sunday ? 2 : 1), number};
}

void DrawCourse(DemoRaceTerms& terms, const std::string& course, bool dirt, DemoRandom& random) {
  const CourseLayout& layout = LayoutOf(course);
  if (IsJump(terms.raceClass)) {
    terms.distance = random.Pick(layout.jump);
    terms.track = random.Between(51, 54);
  } else if (dirt) {
    terms.distance = random.Pick(layout.dirt);
    terms.track = layout.rightHanded ? 24 : 23;
  } else {
    terms.distance = random.Pick(layout.turf);
    // Some races use the outer course.
    terms.track = (layout.rightHanded ? 17 : 11) + (random.Chance(30) ? 1 : 0);
  }
}

long WinnerPrize(const DemoRaceTerms& terms) {
  switch (terms.grade) {
    case 'A':
      return 1500000;
    case 'B':
      return 600000;
    case 'C':
      return 400000;
    case 'H':
      return 350000;
    default:
      break;
  }
  switch (terms.raceClass) {
    case DemoClass::kNewcomer:
      return 70000;
    case DemoClass::kMaiden:
      return 55000;
    case DemoClass::kOneWin:
      return terms.grade == 'E' ? 85000 : 80000;
    case DemoClass::kTwoWins:
      return 110000;
    case DemoClass::kThreeWins:
      return 180000;
    case DemoClass::kOpen:
      return 240000;
    case DemoClass::kJumpMaiden:
      return 75000;
    case DemoClass::kJumpOpen:
      return 160000;
  }
  return 0;
}

long PlacePrize(long winnerPrize, int position) {
  static constexpr int kShares[] = {100, 40, 25, 15, 10};
  if (position < 1 || position > 5) return 0;
  return winnerPrize * kShares[position - 1] / 100;
}

int WinningTime(const DemoRaceTerms& terms, int going, DemoRandom& random) {
  // Tenths of a second per 200 metres; longer races are run at a slower pace.
  int pace = 0;
  if (terms.track >= 51)
    pace = 130 + random.Between(0, 8);
  else if (terms.track >= 23)
    pace = 115 + terms.distance / 300 + random.Between(0, 4) - (going - 1);  // a wet dirt track runs faster
  else
    pace = 109 + terms.distance / 240 + random.Between(0, 3) + 2 * (going - 1);
  return terms.distance * pace / 200;
}

int RaceTimeDigits(int tenths) { return tenths / 600 * 1000 + tenths % 600 / 10 * 10 + tenths % 10; }

}  // namespace torvane
