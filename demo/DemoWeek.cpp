#include "demo/DemoWeek.h"

#include <algorithm>
#include <map>
#include <optional>

#include "demo/DemoNames.h"
#include "demo/DemoRandom.h"

namespace torvane {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::uint64_t kDemoSeed = 0x746F7276616E65ULL;
constexpr int kBigRaceNominations = 290;

int YearOf(sys_days day) { return static_cast<int>(year_month_day{day}.year()); }

sys_days DateOf(int year, unsigned month, unsigned day) {
  return sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
}

// The placing block of a track code (turf straight, right, left; dirt straight, right, left; jump).
int PlacingBlock(int track) {
  if (track >= 51) return 6;
  if (track == 29) return 3;
  if (track >= 23) return track % 2 == 0 ? 4 : 5;
  if (track == 10) return 0;
  return track >= 17 ? 1 : 2;
}

// The rung of a flat class on the way up: 0 maiden .. 4 open.
int FlatLevel(DemoClass raceClass) {
  switch (raceClass) {
    case DemoClass::kOneWin:
      return 1;
    case DemoClass::kTwoWins:
      return 2;
    case DemoClass::kThreeWins:
      return 3;
    case DemoClass::kOpen:
      return 4;
    default:
      return 0;
  }
}

// A past race to run and whether the horse is to win it.
struct PlannedRun {
  DemoClass raceClass;
  bool wins;
  bool promotes;  // the win that lifts the horse into the next class
};

DemoClass Demoted(DemoClass raceClass) {
  switch (raceClass) {
    case DemoClass::kOpen:
      return DemoClass::kThreeWins;
    case DemoClass::kThreeWins:
      return DemoClass::kTwoWins;
    case DemoClass::kTwoWins:
      return DemoClass::kOneWin;
    case DemoClass::kOneWin:
      return DemoClass::kMaiden;
    case DemoClass::kJumpOpen:
      return DemoClass::kJumpMaiden;
    default:
      return raceClass;
  }
}

class WeekBuilder {
 public:
  explicit WeekBuilder(sys_days weekOf);
  DemoWeek Build();

 private:
  void MakePools();
  void MakeRaces(sys_days day);
  DemoSpecialRace MakeRace(sys_days day, int course, int number, DemoClass raceClass, char grade);
  int MakeHorse(DemoClass raceClass, int age);
  std::vector<PlannedRun> FlatPlan(int level, int count, bool debuts);
  std::vector<PlannedRun> JumpPlan(int count);
  void LiveCareer(int horse, std::vector<PlannedRun> plan, const std::vector<sys_days>& saturdays);
  bool EnterWithin(int horse, const std::vector<sys_days>& stretch, DemoClass raceClass, bool wins);
  DemoRun MakeRun(int horse, const DemoEntry& entry);
  int DrawAge(DemoClass raceClass, char grade);
  int BurdenWeight(const DemoSpecialRace& race, const DemoHorse& horse);
  void SettleOpponents();
  void SumTotals(DemoHorse& horse) const;

  sys_days weekOf_;
  int year_;  // of the meetings
  DemoRandom random_;
  DemoNames names_;
  std::vector<std::string> sires_, damSires_, trainers_, jockeys_, owners_, others_;
  std::map<int, int> registered_;  // birth year -> horses registered so far
  std::vector<int> mainJockey_;    // by horse
  std::vector<int> baseWeight_;    // body weight by horse
  DemoWeek week_;
  std::optional<DemoPastRaces> pastRaces_;
};

WeekBuilder::WeekBuilder(sys_days weekOf)
    : weekOf_(weekOf),
      year_(0),
      random_(MixSeed(kDemoSeed, static_cast<std::uint64_t>(weekOf.time_since_epoch().count()))),
      names_(random_) {
  const unsigned weekday = std::chrono::weekday{weekOf}.c_encoding();  // 0 Sunday .. 6 Saturday
  const sys_days saturday = weekOf + days{weekday == 6 ? 7 : 6 - weekday};
  week_.created = weekOf;
  week_.meetingDays = {saturday, saturday + days{1}};
  year_ = YearOf(saturday);
}

void WeekBuilder::MakePools() {
  auto fill = [](std::vector<std::string>& pool, int count, auto make) {
    for (int i = 0; i < count; ++i) pool.push_back(make());
  };
  fill(sires_, 40, [&] { return names_.HorseName(); });
  fill(damSires_, 40, [&] { return names_.HorseName(); });
  fill(others_, 300, [&] { return names_.HorseName(); });
  fill(trainers_, 60, [&] { return names_.PersonShortName(); });
  fill(jockeys_, 40, [&] { return names_.PersonShortName(); });
  fill(jockeys_, 3, [&] { return names_.ForeignJockey(); });
  fill(owners_, 80, [&] { return names_.Owner(); });
  pastRaces_.emplace(random_.Next(), others_);
}

DemoWeek WeekBuilder::Build() {
  MakePools();
  for (sys_days day : week_.meetingDays) MakeRaces(day);
  SettleOpponents();
  for (DemoHorse& horse : week_.horses) SumTotals(horse);
  week_.pastRaces = pastRaces_->Races();
  return std::move(week_);
}

// Races 9 to 11 of every course are special races, race 12 at some; the
// Saturday brings a jump race at the first course, and the Sunday's main race
// there is a G1 with a field of nominations near the limit of a TK record.
void WeekBuilder::MakeRaces(sys_days day) {
  const bool sunday = day == week_.meetingDays[1];
  for (int course = 0; course < kDemoCourseCount; ++course) {
    if (!sunday && course == 0)
      week_.races.push_back(MakeRace(day, course, 8, DemoClass::kJumpOpen, random_.Chance(40) ? 'H' : 'E'));
    week_.races.push_back(MakeRace(day, course, 9, DemoClass::kOneWin, 'E'));
    week_.races.push_back(
        MakeRace(day, course, 10, random_.Chance(30) ? DemoClass::kThreeWins : DemoClass::kTwoWins, 'E'));
    if (sunday)
      // The last course's main race is a listed one (a G3 before listed races began).
      week_.races.push_back(MakeRace(day, course, 11, DemoClass::kOpen,
                                     course == 0                     ? 'A'
                                     : course + 1 < kDemoCourseCount ? "BCC"[random_.Between(0, 2)]
                                     : ListedRacesRunOn(day)         ? 'L'
                                                                     : 'C'));
    else if (random_.Chance(40))
      week_.races.push_back(MakeRace(day, course, 11, DemoClass::kOpen, random_.Chance(30) ? 'C' : 'E'));
    else
      week_.races.push_back(MakeRace(day, course, 11, DemoClass::kThreeWins, 'E'));
    if (random_.Chance(35))
      week_.races.push_back(
          MakeRace(day, course, 12, random_.Chance(50) ? DemoClass::kTwoWins : DemoClass::kOneWin, 'E'));
  }
}

char WeightTypeFor(DemoClass raceClass, char grade, DemoRandom& random) {
  if (grade == 'A') return '4';
  if (IsJump(raceClass)) return '2';
  switch (raceClass) {
    case DemoClass::kOpen:
      return random.Chance(40) ? '1' : '2';
    case DemoClass::kThreeWins:
      return random.Chance(50) ? '1' : '4';
    case DemoClass::kTwoWins:
      return random.Chance(20) ? '1' : '4';
    default:
      return '4';
  }
}

std::string RaceNameFor(DemoClass raceClass, char grade, const std::string& word, DemoRandom& random) {
  if (IsJump(raceClass)) return word + "ジャンプステークス";
  if (grade >= 'A' && grade <= 'C') {
    static constexpr std::array kGradedSuffixes{"記念", "カップ", "ステークス", "賞", "大賞典"};
    return word + random.Pick(kGradedSuffixes);
  }
  switch (raceClass) {
    case DemoClass::kOneWin:
      return word + (random.Chance(50) ? "特別" : "賞");
    case DemoClass::kTwoWins:
      return word + (random.Chance(70) ? "特別" : "ステークス");
    default:
      return word + "ステークス";
  }
}

int NominationCount(DemoClass raceClass, char grade, DemoRandom& random) {
  if (grade == 'A') return kBigRaceNominations;
  if (IsJump(raceClass)) return random.Between(8, 14);
  if (grade == 'B' || grade == 'C') return random.Between(14, 30);
  switch (raceClass) {
    case DemoClass::kOneWin:
      return random.Between(15, 60);
    case DemoClass::kTwoWins:
      return random.Between(12, 40);
    case DemoClass::kThreeWins:
      return random.Between(10, 25);
    default:
      return random.Between(10, 24);
  }
}

DemoSpecialRace WeekBuilder::MakeRace(sys_days day, int course, int number, DemoClass raceClass, char grade) {
  DemoSpecialRace race;
  race.id = RaceIdAt(day, kDemoCourses[course], number);
  race.terms.raceClass = raceClass;
  race.terms.grade = grade;
  const int dirtChance = grade == 'A' ? 0 : (grade == 'B' || grade == 'C') ? 15 : 30;
  DrawCourse(race.terms, race.id.course, random_.Chance(dirtChance), random_);
  race.name = RaceNameFor(raceClass, grade, names_.RaceWord(), random_);
  race.weightType = WeightTypeFor(raceClass, grade, random_);
  if (race.weightType == '1') {
    // The handicap weights are out: the nominations come with them.
    race.dataKind = '2';
    race.handicapDate = weekOf_;
  }
  const int count = NominationCount(raceClass, grade, random_);
  for (int i = 0; i < count; ++i) {
    const int horse = MakeHorse(raceClass, DrawAge(raceClass, grade));
    race.nominations.push_back({horse, BurdenWeight(race, week_.horses[horse])});
  }
  return race;
}

int WeekBuilder::DrawAge(DemoClass raceClass, char grade) {
  if (IsJump(raceClass)) return 4 + static_cast<int>(random_.Weighted({20, 30, 30, 15, 5}));
  if (grade != 'E' || raceClass == DemoClass::kOpen) return 3 + static_cast<int>(random_.Weighted({15, 35, 30, 15, 5}));
  switch (raceClass) {
    case DemoClass::kOneWin:
      return 3 + static_cast<int>(random_.Weighted({60, 30, 10}));
    case DemoClass::kTwoWins:
      return 3 + static_cast<int>(random_.Weighted({30, 45, 25}));
    default:
      return 4 + static_cast<int>(random_.Weighted({50, 35, 15}));
  }
}

int WeekBuilder::BurdenWeight(const DemoSpecialRace& race, const DemoHorse& horse) {
  const bool mare = horse.sex == '2';
  const int age = year_ - YearOf(horse.birthDate);
  switch (race.weightType) {
    case '1':
      return std::max(480, 500 + 5 * random_.Between(0, 18) - (mare ? 10 : 0));
    case '2':
      return (IsJump(race.terms.raceClass) ? 600 : 560) + 10 * random_.Between(0, 3) - (mare ? 20 : 0);
    default:
      return (age == 3 ? 560 : 570) - (mare ? 20 : 0);
  }
}

int WeekBuilder::MakeHorse(DemoClass raceClass, int age) {
  static constexpr std::array kMarks{0, 3, 4, 6, 8, 20};
  static constexpr std::array kCoats{"03", "01", "04", "07", "05", "02", "06", "11", "08", "09", "10"};
  const int index = static_cast<int>(week_.horses.size());
  const int birthYear = year_ - age;
  DemoHorse horse;
  const int serial = registered_[birthYear]++;
  horse.bloodNumber = ZeroPadded(birthYear, 4) + ZeroPadded(100000 + (serial * 7919L + 1234) % 900000, 6);
  horse.name = names_.HorseName();
  horse.sex = static_cast<char>('1' + random_.Weighted({58, 30, age >= 4 ? 12 : 0}));
  horse.mark = kMarks[random_.Weighted({80, 6, 6, 4, 2, 2})];
  horse.birthDate =
      DateOf(birthYear, static_cast<unsigned>(random_.Between(2, 5)), static_cast<unsigned>(random_.Between(1, 28)));
  horse.coat = kCoats[random_.Weighted({35, 20, 18, 10, 7, 4, 3, 1, 1, 1, 1})];
  horse.sire = random_.Pick(sires_);
  horse.dam = names_.HorseName();
  horse.damSire = random_.Pick(damSires_);
  horse.trainer = random_.Pick(trainers_);
  horse.breeder = names_.Breeder();
  horse.birthplace = names_.Birthplace(horse.mark == 6 || horse.mark == 20);
  horse.owner = random_.Pick(owners_);
  horse.currentLayout = index % 3 == 1;
  week_.horses.push_back(std::move(horse));
  mainJockey_.push_back(random_.Between(0, static_cast<int>(jockeys_.size()) - 1));
  baseWeight_.push_back(week_.horses.back().sex == '2' ? random_.Between(410, 500) : random_.Between(430, 530));

  // The horse's racing life: from June of its second year, or from the start
  // of last year, to the weekend before the meetings.
  const sys_days from = std::max(DateOf(year_ - 1, 1, 1), DateOf(birthYear + 2, 6, 1));
  std::vector<sys_days> saturdays;
  for (sys_days day = week_.meetingDays[0] - days{7}; day >= from; day -= days{7})
    saturdays.insert(saturdays.begin(), day);
  const int count = std::min(random_.Between(3, 15), std::max(3, static_cast<int>(saturdays.size()) / 2));
  const bool debuts = from > DateOf(year_ - 1, 1, 1);
  LiveCareer(index, IsJump(raceClass) ? JumpPlan(count) : FlatPlan(FlatLevel(raceClass), count, debuts), saturdays);
  return index;
}

// A horse now in the class of the level (1 one win .. 4 open) won once in
// each class below it: all of these wins when it made its debut in these
// seasons, some of them when it was racing before.
std::vector<PlannedRun> WeekBuilder::FlatPlan(int level, int count, bool debuts) {
  static constexpr std::array kLadder{DemoClass::kMaiden, DemoClass::kOneWin, DemoClass::kTwoWins,
                                      DemoClass::kThreeWins, DemoClass::kOpen};
  const int most = std::min(level, count);
  const int winCount = debuts ? most : random_.Between(0, most);
  std::vector<bool> wins(static_cast<std::size_t>(count), false);
  for (int placed = 0; placed < winCount;) {
    const auto slot = static_cast<std::size_t>(random_.Between(0, count - 1));
    if (wins[slot]) continue;
    wins[slot] = true;
    ++placed;
  }
  std::vector<PlannedRun> plan;
  int rung = level - winCount;
  for (int i = 0; i < count; ++i) {
    const bool promotes = wins[static_cast<std::size_t>(i)];
    const DemoClass raceClass =
        i == 0 && debuts && rung == 0 ? DemoClass::kNewcomer : kLadder[static_cast<std::size_t>(rung)];
    // Open horses win now and then among their equals.
    plan.push_back({raceClass, promotes || (rung == 4 && random_.Chance(15)), promotes});
    if (promotes) ++rung;
  }
  return plan;
}

// A jumper ran on the flat first, won a jump maiden race and is open class since.
std::vector<PlannedRun> WeekBuilder::JumpPlan(int count) {
  const int flatRuns = std::max(1, count / 3);
  const int flatWin = random_.Chance(40) ? random_.Between(0, flatRuns - 1) : -1;
  const int jumpWin = flatRuns + random_.Between(0, count - flatRuns - 1);
  std::vector<PlannedRun> plan;
  for (int i = 0; i < count; ++i) {
    if (i < flatRuns) {
      const DemoClass flatClass = i == 0                        ? DemoClass::kNewcomer
                                  : flatWin >= 0 && i > flatWin ? DemoClass::kOneWin
                                                                : DemoClass::kMaiden;
      plan.push_back({flatClass, i == flatWin, i == flatWin});
    } else {
      const bool open = i > jumpWin;
      plan.push_back({open ? DemoClass::kJumpOpen : DemoClass::kJumpMaiden,
                      i == jumpWin || (open && random_.Chance(10)), i == jumpWin});
    }
  }
  return plan;
}

// The runs spread over the weeks: run i falls in the i-th of as many equal
// stretches, on the first day there that has a race of its class with room.
// A win that finds no race with its first place free becomes a defeat, and
// the horse stays in its class.
void WeekBuilder::LiveCareer(int horse, std::vector<PlannedRun> plan, const std::vector<sys_days>& saturdays) {
  const int weeks = static_cast<int>(saturdays.size());
  const int count = std::min(static_cast<int>(plan.size()), weeks);
  for (int i = 0; i < count; ++i) {
    std::vector<sys_days> stretch;
    for (int week = i * weeks / count; week < (i + 1) * weeks / count; ++week) {
      stretch.push_back(saturdays[static_cast<std::size_t>(week)]);
      stretch.push_back(saturdays[static_cast<std::size_t>(week)] + days{1});
    }
    const PlannedRun& run = plan[static_cast<std::size_t>(i)];
    const bool won = run.wins && EnterWithin(horse, stretch, run.raceClass, true);
    if (!won) EnterWithin(horse, stretch, run.raceClass, false);
    if (run.promotes && !won)
      for (auto later = plan.begin() + i + 1; later != plan.end(); ++later)
        if (IsJump(later->raceClass) == IsJump(run.raceClass)) later->raceClass = Demoted(later->raceClass);
  }
}

bool WeekBuilder::EnterWithin(int horse, const std::vector<sys_days>& stretch, DemoClass raceClass, bool wins) {
  const std::size_t start = random_.Next() % stretch.size();
  for (std::size_t k = 0; k < stretch.size(); ++k) {
    const auto entry = pastRaces_->Enter(stretch[(start + k) % stretch.size()], raceClass, wins, horse, random_);
    if (!entry) continue;
    DemoRun run = MakeRun(horse, *entry);
    week_.horses[static_cast<std::size_t>(horse)].runs.push_back(std::move(run));
    return true;
  }
  return false;
}

DemoRun WeekBuilder::MakeRun(int horseIndex, const DemoEntry& entry) {
  const DemoPastRace& race = pastRaces_->Races().at(entry.raceKey);
  const auto index = static_cast<std::size_t>(horseIndex);
  const DemoHorse& horse = week_.horses[index];
  const bool jump = race.terms.track >= 51;
  const bool mare = horse.sex == '2';
  const int age = YearOf(race.id.date) - YearOf(horse.birthDate);
  DemoRun run;
  run.raceKey = entry.raceKey;
  run.horseNumber = entry.horseNumber;
  run.position = entry.position;
  run.popularity = entry.popularity;
  run.weightCarried = (jump       ? 600 + 10 * random_.Between(0, 3)
                       : age <= 2 ? 550
                       : age == 3 ? 560
                                  : 570) -
                      (mare ? 20 : 0);
  run.jockey = random_.Chance(70) ? jockeys_[static_cast<std::size_t>(mainJockey_[index])] : random_.Pick(jockeys_);
  run.bodyWeight = baseWeight_[index] + random_.Between(-8, 8);
  // Now and then a horse could not be weighed (999) or was scratched (000).
  const std::size_t runsBefore = horse.runs.size();
  if (horseIndex % 17 == 3 && runsBefore == 1) run.bodyWeight = 999;
  if (horseIndex % 17 == 5 && runsBefore == 0) run.bodyWeight = 0;
  run.time = race.winningTime + race.behind[static_cast<std::size_t>(entry.position - 1)];
  // Sprints on the flat turn only the last two corners.
  const int firstCorner = !jump && race.terms.distance <= 1400 ? 2 : 0;
  int place = std::clamp(entry.position + random_.Between(-3, 3), 1, race.runners);
  for (int corner = 3; corner >= firstCorner; --corner) {
    run.corners[static_cast<std::size_t>(corner)] = place;
    place = std::clamp(place + random_.Between(-2, 2), 1, race.runners);
  }
  const int pace = jump ? 380 : race.terms.track >= 23 ? 360 : 335;
  run.last3Furlongs = pace + random_.Between(0, 20) + entry.position * 3 / 2;
  run.mainPrize = PlacePrize(race.winnerPrize, entry.position);
  // Added prizes come with special races only.
  if (race.terms.grade != ' ') run.addedPrize = PlacePrize(race.winnerPrize / 30, entry.position);
  return run;
}

// The opponent of a run is the race's winner, or its second for the winner,
// a horse of the week where one finished there.
void WeekBuilder::SettleOpponents() {
  const auto& races = pastRaces_->Races();
  for (DemoHorse& horse : week_.horses) {
    for (DemoRun& run : horse.runs) {
      const DemoPastRace& race = races.at(run.raceKey);
      const int against = run.position == 1 ? 2 : 1;
      const auto other = race.horseAt.find(against);
      if (other != race.horseAt.end())
        run.opponent = week_.horses[static_cast<std::size_t>(other->second)].name;
      else
        run.opponent = against == 1 ? race.otherWinner : race.otherSecond;
      run.timeDifference =
          run.position == 1 ? -race.behind[1] : race.behind[static_cast<std::size_t>(run.position - 1)];
    }
  }
}

void WeekBuilder::SumTotals(DemoHorse& horse) const {
  const auto& races = pastRaces_->Races();
  for (const DemoRun& run : horse.runs) {
    const DemoPastRace& race = races.at(run.raceKey);
    const std::size_t jump = race.terms.track >= 51 ? 1 : 0;
    horse.prizeTotals[0 + jump] += run.mainPrize;
    horse.prizeTotals[2 + jump] += run.addedPrize;
    // The earned prize, which decides the class, grows by half of each win's prize.
    if (run.position == 1) horse.prizeTotals[4 + jump] += run.mainPrize / 2;
    const int placing = run.position >= 1 && run.position <= 5 ? run.position - 1 : 5;
    ++horse.placings[static_cast<std::size_t>(PlacingBlock(race.terms.track))][static_cast<std::size_t>(placing)];
  }
}

}  // namespace

DemoWeek MakeDemoWeek(sys_days weekOf) { return WeekBuilder(weekOf).Build(); }

}  // namespace torvane
