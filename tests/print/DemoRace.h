#pragma once
// A working set holding one race of the demo week in slot 0 with as many
// nominated horses as asked for, every horse with its profile and up to five
// past races: realistic texts for looking at printed pages and timing them.

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

#include "browse/WorkingSet.h"
#include "demo/DemoRecords.h"
#include "demo/DemoWeek.h"

namespace torvane::test {

inline std::unique_ptr<WorkingSet> DemoRaceOf(int horses) {
  using namespace std::chrono;
  const DemoWeek week = MakeDemoWeek(sys_days(year(2025) / 12 / 1));
  if (horses > static_cast<int>(week.horses.size()) || horses > kMaxEntries)
    throw std::invalid_argument("the demo week has not " + std::to_string(horses) + " horses");
  // The week's main race, its field widened to the horses asked for.
  DemoSpecialRace race = week.races.back();
  for (const DemoSpecialRace& candidate : week.races)
    if (candidate.nominations.size() > race.nominations.size()) race = candidate;
  race.nominations.clear();
  for (int h = 0; h < horses; ++h) race.nominations.push_back({h, 570 - 5 * (h % 4)});

  auto ws = std::make_unique<WorkingSet>();
  ws->LoadedTk[0].Assign(TkRecordOf(week, race));
  for (int h = 0; h < horses; ++h) {
    const DemoHorse& horse = week.horses[static_cast<std::size_t>(h)];
    ws->LoadedUm[0][h].Assign(UmRecordOf(week, horse));
    ws->EntryLoaded[0][h] = 1;
    // Runs are kept oldest first; slot 0 is the most recent.
    for (int k = 0; k < kMaxPastRaces && k < static_cast<int>(horse.runs.size()); ++k) {
      const DemoRun& run = horse.runs[horse.runs.size() - 1 - static_cast<std::size_t>(k)];
      const DemoPastRace& past = week.pastRaces.at(run.raceKey);
      ws->LoadedSe[0][h][k].Assign(SeRecordOf(horse, run, past));
      ws->LoadedRa[0][h][k].Assign(RaRecordOf(past));
    }
  }
  ws->LoadedRaceCount = 1;
  ws->RaceList.push_back({"demo", 0});
  return ws;
}

}  // namespace torvane::test
