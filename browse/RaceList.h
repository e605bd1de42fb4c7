#pragma once
// The race list of a loaded date: which slots it shows, the text of each
// entry, and stepping through it with the toolbar arrows.

#include <optional>
#include <string>

#include "jvdata/JVData_Structure.h"

namespace torvane {

// A slot is listed (and gets its race details loaded) when its year is
// neither blank nor "0000".
bool HasRaceYear(const TkRecord& tk);

// Racecourse group name, meeting and day as stored, race number in two
// places: "中山  05回 08日 9R".
std::string RaceListEntryText(const TkRecord& tk);

// The race list index the arrows select when moved by delta from position,
// kept within 0 .. entryCount - 1; nothing when the list holds fewer than two
// entries or the arrows are already at that end.
std::optional<int> StepRace(int entryCount, int position, int delta);

}  // namespace torvane
