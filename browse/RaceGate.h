#pragma once
// The full gate of a race as the user set it for the earned-prize order,
// kept in the settings file per race key (section "Gate").

#include "jvdata/JVData_Structure.h"
#include "settings/IniGT.h"

namespace torvane {

// The stored gate of the race, or kDefaultGate when none is stored or the
// stored value is not a gate (kMinGate..kMaxGate).
int StoredGate(const TIniGT& settings, const TkRecord& tk);
// Stores the gate (kept within kMinGate..kMaxGate); false when the settings
// file could not be written or the race has no race key to file it under.
bool StoreGate(TIniGT& settings, const TkRecord& tk, int gate);

}  // namespace torvane
