#include "browse/WorkingSet.h"

#include <algorithm>

#include "codes/KeibaFunc.h"

namespace torvane {

WorkingSet::WorkingSet() {
  BlankRecords();
  ClearEntryFlags();
  RaceList.reserve(kMaxRaces);
}

void WorkingSet::BlankRecords() {
  for (auto& tk : LoadedTk) tk.Blank();
  for (auto& race : LoadedUm)
    for (auto& um : race) um.Blank();
  for (auto& race : LoadedSe)
    for (auto& entry : race)
      for (auto& se : entry) se.Blank();
  for (auto& race : LoadedRa)
    for (auto& entry : race)
      for (auto& ra : entry) ra.Blank();
}

void WorkingSet::ClearEntryFlags() {
  for (auto& race : EntryLoaded) race.fill(0);
}

int RegisteredCount(const TkRecord& tk) {
  return static_cast<int>(std::clamp<std::int64_t>(ReadCodeNumber(tk.RegisteredCount()), 0, kMaxEntries));
}

}  // namespace torvane
