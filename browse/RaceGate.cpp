#include "browse/RaceGate.h"

#include <algorithm>
#include <string>

#include "browse/PrizeRanking.h"

namespace torvane {
namespace {

constexpr std::string_view kGateSection = "Gate";

// A race key of 16 ASCII digits; anything else names no race to keep a gate for.
bool IsRaceKey(std::string_view key) {
  return key.size() == 16 && std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

int StoredGate(const TIniGT& settings, const TkRecord& tk) {
  if (!IsRaceKey(tk.RaceKey())) return kDefaultGate;
  const int gate = settings.ReadInteger(kGateSection, tk.RaceKey(), kDefaultGate);
  return gate >= kMinGate && gate <= kMaxGate ? gate : kDefaultGate;
}

bool StoreGate(TIniGT& settings, const TkRecord& tk, int gate) {
  if (!IsRaceKey(tk.RaceKey())) return false;
  return settings.WriteInteger(kGateSection, tk.RaceKey(), std::clamp(gate, kMinGate, kMaxGate));
}

}  // namespace torvane
