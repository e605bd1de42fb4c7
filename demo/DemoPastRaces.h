#pragma once
// The past races of the demo world: every weekend day each racecourse runs a
// programme of twelve races (maiden races in the morning, special races from
// the ninth on, a jump race at one course), fixed by the day and course alone.
// Horses are entered into these races one by one; a race is made when the
// first horse enters it, and keeps the horse numbers, places and popularity
// ranks already given out so that horses sharing a race never collide.

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "demo/DemoRacing.h"
#include "demo/DemoRandom.h"

namespace torvane {

struct DemoPastRace {
  DemoRaceId id;
  DemoRaceTerms terms;
  std::string shortName;  // three characters, graded races only
  int runners = 0;
  char weather = '1';
  char turfGoing = '1';
  char dirtGoing = '1';
  int winningTime = 0;      // tenths of a second
  std::vector<int> behind;  // tenths behind the winner, by finishing position - 1
  long winnerPrize = 0;     // units of 100 yen
  // The winner and the second when they are not horses of the demo week.
  std::string otherWinner;
  std::string otherSecond;
  std::map<int, int> horseAt;  // finishing position -> horse of the demo week
  std::set<int> numbersTaken;
  std::set<int> popularityTaken;
};

struct DemoEntry {
  std::string raceKey;
  int horseNumber = 0;
  int position = 0;
  int popularity = 0;
};

class DemoPastRaces {
 public:
  // otherHorses: names for the winners and seconds that are no horses of the week.
  DemoPastRaces(std::uint64_t seed, std::vector<std::string> otherHorses);

  // Enters the horse into a race of the class on the day that has room for it
  // (and a free first place when it is to win); nothing when every such race is full.
  std::optional<DemoEntry> Enter(std::chrono::sys_days day, DemoClass raceClass, bool wins, int horse,
                                 DemoRandom& random);

  // Every race a horse was entered into, by race key.
  const std::map<std::string, DemoPastRace>& Races() const { return races_; }

 private:
  static constexpr int kRacesPerDay = 12;
  struct Programme {
    std::array<DemoClass, kRacesPerDay> classes;  // by race number - 1
    char weather;
    char turfGoing;
    char dirtGoing;
  };

  Programme ProgrammeOf(std::chrono::sys_days day, int course) const;
  DemoPastRace& RaceAt(std::chrono::sys_days day, int course, int number);
  DemoPastRace MakeRace(std::chrono::sys_days day, int course, int number) const;
  std::uint64_t ProgrammeSeed(std::chrono::sys_days day, int course) const;

  std::uint64_t seed_;
  std::vector<std::string> otherHorses_;
  std::map<std::string, DemoPastRace> races_;
};

}  // namespace torvane
