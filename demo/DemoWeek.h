#pragma once
// The synthetic week behind the demo deliveries: the special races of the
// Saturday and Sunday after a given date at three racecourses with their
// nominated horses, and every horse's profile and past races.

#include <array>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "demo/DemoPastRaces.h"
#include "demo/DemoRacing.h"

namespace torvane {

struct DemoNomination {
  int horse = 0;         // index into DemoWeek::horses
  int burdenWeight = 0;  // tenths of a kilogram
};

struct DemoSpecialRace {
  DemoRaceId id;
  DemoRaceTerms terms;
  std::string name;
  char weightType = '4';                 // '1' handicap, '2' 別定, '3' 馬齢, '4' 定量
  char dataKind = '1';                   // '1' nominations, '2' nominations with the handicap weights
  std::chrono::sys_days handicapDate{};  // handicap races only
  std::vector<DemoNomination> nominations;
};

// One past race of one horse.
struct DemoRun {
  std::string raceKey;  // into DemoWeek::pastRaces
  int horseNumber = 0;
  int position = 0;
  int popularity = 0;
  int weightCarried = 0;         // tenths of a kilogram
  std::string jockey;            // short name
  int bodyWeight = 0;            // kilograms
  int time = 0;                  // tenths of a second
  std::array<int, 4> corners{};  // 0 where the course has no such corner
  int last3Furlongs = 0;         // tenths of a second
  long mainPrize = 0;            // units of 100 yen
  long addedPrize = 0;
  std::string opponent;    // the winner, or the second when this horse won
  int timeDifference = 0;  // tenths of a second to the opponent, negative for the winner
};

struct DemoHorse {
  std::string bloodNumber;  // 10 digits, the birth year first
  std::string name;
  char sex = '1';
  int mark = 0;  // horse mark code
  std::chrono::sys_days birthDate{};
  std::string coat;  // coat colour code
  std::string sire;
  std::string dam;
  std::string damSire;
  std::string trainer;  // short name
  std::string breeder;
  std::string birthplace;
  std::string owner;
  std::vector<DemoRun> runs;  // oldest first
  // P1..P6: flat and jump main prizes, flat and jump added prizes, flat and
  // jump earned prizes, units of 100 yen.
  std::array<long, 6> prizeTotals{};
  // By track (turf straight, right, left; dirt straight, right, left; jump):
  // 1st, 2nd, 3rd, 4th, 5th, out of the first five.
  std::array<std::array<int, 6>, 7> placings{};
  // Its master record in the current, longer layout rather than the older one.
  bool currentLayout = false;
};

struct DemoWeek {
  std::chrono::sys_days created{};  // the date the week's data was made
  std::array<std::chrono::sys_days, 2> meetingDays{};
  std::vector<DemoSpecialRace> races;  // by day, course and race number
  std::vector<DemoHorse> horses;
  std::map<std::string, DemoPastRace> pastRaces;  // by race key
};

// The week whose meetings are the Saturday and Sunday after weekOf; the same
// date always gives the same week.
DemoWeek MakeDemoWeek(std::chrono::sys_days weekOf);

}  // namespace torvane
