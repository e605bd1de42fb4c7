#include "browse/PrizeRanking.h"

#include <algorithm>
#include <stdexcept>

#include "codes/KeibaFunc.h"
#include "jvdata/PlainText.h"
#include "racetext/HorseProfileText.h"

namespace torvane {
namespace {

struct Candidate {
  int entry;
  std::int64_t runningNumber;
  std::int64_t earned;  // units of 100 yen: ties are decided on the exact amount
};

}  // namespace

std::vector<RankedNominee> RankByEarnedPrize(const WorkingSet& ws, int slot, int gate) {
  if (slot < 0 || slot >= kMaxRaces) throw std::out_of_range("race slot " + std::to_string(slot) + " is not 0..15");
  if (gate < kMinGate) throw std::out_of_range("a gate of " + std::to_string(gate) + " horses");
  const TkRecord& tk = ws.LoadedTk[slot];
  std::vector<Candidate> candidates;
  for (int h = 0; h < kMaxEntries; ++h) {
    if (!ws.EntryLoaded[slot][h]) continue;
    candidates.push_back({h, ReadCodeNumber(tk.Entry(h).RunningNumber()), EarnedPrize(tk, ws.LoadedUm[slot][h])});
  }
  std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.earned != b.earned) return a.earned > b.earned;
    return a.runningNumber < b.runningNumber;
  });

  // The prize at the line: the last horse inside, when someone is left outside.
  const std::size_t gateSize = static_cast<std::size_t>(gate);
  const bool cut = candidates.size() > gateSize;
  const std::int64_t linePrize = cut ? candidates[gateSize - 1].earned : 0;
  const bool tieAtLine = cut && candidates[gateSize].earned == linePrize;

  std::vector<RankedNominee> ranked;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const Candidate& c = candidates[i];
    const TkEntry entry = tk.Entry(c.entry);
    const UmRecord& um = ws.LoadedUm[slot][c.entry];
    RankedNominee nominee;
    nominee.entry = c.entry;
    nominee.rank = i > 0 && candidates[i - 1].earned == c.earned ? ranked.back().rank : static_cast<int>(i) + 1;
    nominee.runningNumber = Formatted("%2lld", static_cast<long long>(c.runningNumber));
    nominee.name = NameText(entry.HorseName());
    nominee.sexAge = SexAgeText(tk, entry);
    nominee.burdenWeight = BurdenWeightCellText(entry);
    nominee.earnedPrize = c.earned / 10;
    nominee.totalPrize = TotalPrize(um) / 10;
    if (!cut)
      nominee.standing = GateStanding::Inside;
    else if (tieAtLine && c.earned == linePrize)
      nominee.standing = GateStanding::Draw;
    else
      nominee.standing = i < gateSize ? GateStanding::Inside : GateStanding::Outside;
    ranked.push_back(std::move(nominee));
  }
  return ranked;
}

std::string_view StandingText(GateStanding standing) {
  switch (standing) {
    case GateStanding::Inside:
      return "";
    case GateStanding::Draw:
      return "抽選";
    case GateStanding::Outside:
      return "外";
  }
  return "";
}

}  // namespace torvane
