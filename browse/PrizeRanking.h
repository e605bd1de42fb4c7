#pragma once
// The earned-prize order of a race's nominees with the cut line at the full
// gate: who gets a start if the nominees were taken by earned prize money.
// It is a guide only: the official selection also weighs priority rights
// that the data does not carry.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "browse/WorkingSet.h"

namespace torvane {

inline constexpr std::string_view kRankingTitle = "収得賞金順（目安）";
inline constexpr int kDefaultGate = 18;
inline constexpr int kMinGate = 1;
inline constexpr int kMaxGate = 99;

enum class GateStanding {
  Inside,   // inside the gate
  Draw,     // one of a tie of equal prizes that straddles the line
  Outside,  // outside the gate
};

struct RankedNominee {
  int entry = 0;                 // the TK entry index (0..299)
  int rank = 1;                  // equal prizes share a rank: 1, 2, 2, 4
  std::string runningNumber;     // "%2d"
  std::string name;              // UTF-8, trimmed
  std::string sexAge;            // "牡5"
  std::string burdenWeight;      // "55.0kg", " " when blank
  std::int64_t earnedPrize = 0;  // thousands of yen
  std::int64_t totalPrize = 0;   // thousands of yen
  GateStanding standing = GateStanding::Inside;
};

// The nominees of race slot `slot`, by earned prize (the horse master's,
// blank masters reading as 0), highest first, equal prizes in running-number
// order, each with its standing against a gate of `gate` horses. A race with
// no more nominees than the gate has everyone inside. Throws
// std::out_of_range for a slot outside 0..15 or a gate below 1.
std::vector<RankedNominee> RankByEarnedPrize(const WorkingSet& workingSet, int slot, int gate);

// "" inside, "抽選" for a draw, "外" outside.
std::string_view StandingText(GateStanding standing);

}  // namespace torvane
