#include "demo/DemoPastRaces.h"

#include <algorithm>
#include <stdexcept>

#include "codes/KeibaFunc.h"
#include "demo/DemoNames.h"

namespace torvane {
namespace {

using std::chrono::sys_days;

int EpochDay(sys_days day) { return static_cast<int>(day.time_since_epoch().count()); }

// The course whose turn it is on the day, with the turns of different duties shifted apart.
int CourseInTurn(sys_days day, int shift) {
  return ((EpochDay(day) + shift) % kDemoCourseCount + kDemoCourseCount) % kDemoCourseCount;
}

// Going after the weather: rain and snow soften the tracks.
char DrawGoing(char weather, DemoRandom& random) {
  const bool wet = weather >= '3';
  return static_cast<char>('1' + (wet ? random.Between(1, 3) : (random.Chance(20) ? 1 : 0)));
}

// Open races without a grade are listed races since 2019.
char DrawGrade(DemoClass raceClass, int number, sys_days day, DemoRandom& random) {
  if (raceClass == DemoClass::kOpen && random.Chance(25)) return "CCCBBA"[random.Between(0, 5)];
  if (raceClass == DemoClass::kJumpOpen) return random.Chance(15) ? 'H' : 'E';
  if (raceClass == DemoClass::kOpen && ListedRacesRunOn(day)) return 'L';
  return number >= 9 ? 'E' : ' ';
}

int DirtChance(DemoClass raceClass, int number) {
  if (raceClass == DemoClass::kOpen) return 25;
  if (number >= 9) return 30;
  return raceClass == DemoClass::kOneWin ? 45 : 55;
}

}  // namespace

DemoPastRaces::DemoPastRaces(std::uint64_t seed, std::vector<std::string> otherHorses)
    : seed_(seed), otherHorses_(std::move(otherHorses)) {
  if (otherHorses_.size() < 2) throw std::invalid_argument("demo past races need at least two other horses");
}

std::uint64_t DemoPastRaces::ProgrammeSeed(sys_days day, int course) const {
  return MixSeed(MixSeed(seed_, static_cast<std::uint64_t>(EpochDay(day))), static_cast<std::uint64_t>(course));
}

DemoPastRaces::Programme DemoPastRaces::ProgrammeOf(sys_days day, int course) const {
  // Every day has each class somewhere: one course always runs its open race
  // and one its three-wins race; the jump races move from course to course.
  const bool jumpCourse = course == CourseInTurn(day, 0);
  DemoRandom random(ProgrammeSeed(day, course));
  const bool threeWinsAt10 = course == CourseInTurn(day, 2) || random.Chance(30);
  const bool openAt11 = course == CourseInTurn(day, 1) || random.Chance(50);
  const bool twoWinsAt12 = random.Chance(50);
  using enum DemoClass;
  Programme programme{{kMaiden, kMaiden, kMaiden, jumpCourse ? kJumpMaiden : kMaiden, kNewcomer, kOneWin, kOneWin,
                       jumpCourse ? kJumpOpen : kOneWin, kOneWin, threeWinsAt10 ? kThreeWins : kTwoWins,
                       openAt11 ? kOpen : kThreeWins, twoWinsAt12 ? kTwoWins : kOneWin},
                      static_cast<char>('1' + random.Weighted({55, 30, 7, 5, 2, 1})),
                      '1',
                      '1'};
  programme.turfGoing = DrawGoing(programme.weather, random);
  programme.dirtGoing = DrawGoing(programme.weather, random);
  return programme;
}

DemoPastRace DemoPastRaces::MakeRace(sys_days day, int course, int number) const {
  const Programme programme = ProgrammeOf(day, course);
  DemoPastRace race;
  race.weather = programme.weather;
  race.turfGoing = programme.turfGoing;
  race.dirtGoing = programme.dirtGoing;

  DemoRandom random(MixSeed(ProgrammeSeed(day, course), static_cast<std::uint64_t>(number)));
  race.id = RaceIdAt(day, kDemoCourses[course], number);
  race.terms.raceClass = programme.classes[number - 1];
  race.terms.grade = DrawGrade(race.terms.raceClass, number, day, random);
  DrawCourse(race.terms, race.id.course, random.Chance(DirtChance(race.terms.raceClass, number)), random);
  if ((race.terms.grade >= 'A' && race.terms.grade <= 'C') || race.terms.grade == 'L')
    race.shortName = DemoNames::ShortRaceName(random);
  const bool jump = IsJump(race.terms.raceClass);
  race.runners = jump ? random.Between(8, 14) : random.Between(10, 18);
  const char going = SurfaceOfTrack(race.terms.track) == TrackSurface::Dirt ? race.dirtGoing : race.turfGoing;
  race.winningTime = WinningTime(race.terms, going - '0', random);
  race.behind.push_back(0);
  while (static_cast<int>(race.behind.size()) < race.runners)
    race.behind.push_back(race.behind.back() + random.Between(0, jump ? 15 : 4));
  race.winnerPrize = WinnerPrize(race.terms);
  race.otherWinner = random.Pick(otherHorses_);
  do race.otherSecond = random.Pick(otherHorses_);
  while (race.otherSecond == race.otherWinner);
  return race;
}

DemoPastRace& DemoPastRaces::RaceAt(sys_days day, int course, int number) {
  const std::string key = RaceIdAt(day, kDemoCourses[course], number).Key();
  auto found = races_.find(key);
  if (found == races_.end()) found = races_.emplace(key, MakeRace(day, course, number)).first;
  return found->second;
}

std::optional<DemoEntry> DemoPastRaces::Enter(sys_days day, DemoClass raceClass, bool wins, int horse,
                                              DemoRandom& random) {
  std::vector<std::pair<int, int>> candidates;  // course, race number
  for (int course = 0; course < kDemoCourseCount; ++course) {
    const Programme programme = ProgrammeOf(day, course);
    for (int number = 1; number <= kRacesPerDay; ++number)
      if (programme.classes[number - 1] == raceClass) candidates.emplace_back(course, number);
  }
  if (candidates.empty()) return std::nullopt;

  // Horses of one class meet again and again: most of them join a race that
  // other horses of the week already run in.
  const std::size_t start = random.Next() % candidates.size();
  std::rotate(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(start), candidates.end());
  if (random.Chance(75))
    std::stable_partition(candidates.begin(), candidates.end(), [&](const auto& candidate) {
      return races_.contains(RaceIdAt(day, kDemoCourses[candidate.first], candidate.second).Key());
    });
  for (const auto& [course, number] : candidates) {
    DemoPastRace& race = RaceAt(day, course, number);
    std::vector<int> places;
    if (wins) {
      if (!race.horseAt.contains(1)) places.push_back(1);
    } else {
      for (int place = 2; place <= race.runners; ++place)
        if (!race.horseAt.contains(place)) places.push_back(place);
    }
    if (places.empty()) continue;

    DemoEntry entry;
    entry.raceKey = race.id.Key();
    // The better of two draws: the nominated horses are the better ones of their fields.
    entry.position = std::min(random.Pick(places), random.Pick(places));
    std::vector<int> freeNumbers;
    for (int horseNumber = 1; horseNumber <= race.runners; ++horseNumber)
      if (!race.numbersTaken.contains(horseNumber)) freeNumbers.push_back(horseNumber);
    entry.horseNumber = random.Pick(freeNumbers);
    // The free popularity rank nearest to one that roughly follows the place.
    const int wanted = std::clamp(entry.position + random.Between(-3, 3), 1, race.runners);
    for (int distance = 0; entry.popularity == 0; ++distance) {
      if (wanted - distance >= 1 && !race.popularityTaken.contains(wanted - distance))
        entry.popularity = wanted - distance;
      else if (wanted + distance <= race.runners && !race.popularityTaken.contains(wanted + distance))
        entry.popularity = wanted + distance;
    }
    race.horseAt[entry.position] = horse;
    race.numbersTaken.insert(entry.horseNumber);
    race.popularityTaken.insert(entry.popularity);
    return entry;
  }
  return std::nullopt;
}

}  // namespace torvane
