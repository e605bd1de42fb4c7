#pragma once
// The racing rules of the demo world: race classes and their condition codes,
// the racecourses with their distances and track codes, the meeting and day
// numbering of a race date, prize money and race times.

#include <chrono>
#include <iterator>
#include <string>
#include <vector>

#include "demo/DemoRandom.h"

namespace torvane {

enum class DemoClass { kNewcomer, kMaiden, kOneWin, kTwoWins, kThreeWins, kOpen, kJumpMaiden, kJumpOpen };

// The race condition code of the youngest age group (701, 703, 5, 10, 16, 999).
int ConditionOf(DemoClass raceClass);
bool IsJump(DemoClass raceClass);
// Listed races, open races ranked below the graded ones, are run from 2019 on.
bool ListedRacesRunOn(std::chrono::sys_days day);

// Where and when a race is run: the fields of the race key.
struct DemoRaceId {
  std::chrono::sys_days date;
  std::string course;  // racecourse code, "06"
  int meeting = 0;
  int day = 0;
  int number = 0;

  // The 16 characters of the race key: yyyymmdd, course, meeting, day, race number.
  std::string Key() const;
};

// What a race is: the fields TK and RA records share.
struct DemoRaceTerms {
  DemoClass raceClass = DemoClass::kMaiden;
  char grade = ' ';  // 'A'..'H', 'L'; blank for a race that is neither graded nor special
  int distance = 0;  // metres
  int track = 0;     // track code: turf 11-22, dirt 23-24, jump 51-54
};

// The meeting and day numbers a racecourse gives a weekend date: Saturdays
// odd and Sundays even days of four-weekend meetings.
DemoRaceId RaceIdAt(std::chrono::sys_days date, const std::string& course, int number);

// A distance and track code of the racecourse for the class of the terms;
// turf or dirt as asked for flat classes.
void DrawCourse(DemoRaceTerms& terms, const std::string& course, bool dirt, DemoRandom& random);

// The winner's main prize in units of 100 yen; places 2 to 5 get shares of it.
long WinnerPrize(const DemoRaceTerms& terms);
// The main prize of a finishing position, 0 beyond the fifth place.
long PlacePrize(long winnerPrize, int position);

// The winning time in tenths of a second on a going (1 good .. 4 heavy).
int WinningTime(const DemoRaceTerms& terms, int going, DemoRandom& random);
// Tenths of a second as the 4-digit race time field "mSSt" (1:34.5 is 1345).
int RaceTimeDigits(int tenths);

// A non-negative number as decimal digits, at least width of them.
std::string ZeroPadded(long value, int width);
// A date as its 8 digits yyyymmdd.
std::string DateDigits(std::chrono::sys_days date);

inline constexpr const char* kDemoCourses[] = {"06", "09", "07"};  // 中山, 阪神, 中京
inline constexpr int kDemoCourseCount = static_cast<int>(std::size(kDemoCourses));

}  // namespace torvane
