#include "browse/RaceList.h"

#include <algorithm>
#include <cstdio>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"

namespace torvane {

bool HasRaceYear(const TkRecord& tk) {
  const std::string_view year = TrimBlanks(tk.Year());
  return !year.empty() && year != "0000";
}

std::string RaceListEntryText(const TkRecord& tk) {
  char raceNumber[24];
  std::snprintf(raceNumber, sizeof raceNumber, "%2lld", static_cast<long long>(ReadCodeNumber(tk.RaceNumber())));
  return CourseGroupName(tk.CourseCode()) + Cp932ToUtf8(tk.MeetingNumber()) + "回 " + Cp932ToUtf8(tk.DayNumber()) +
         "日" + raceNumber + "R";
}

std::optional<int> StepRace(int entryCount, int position, int delta) {
  if (entryCount < 2) return std::nullopt;
  const int target = std::clamp(position + delta, 0, entryCount - 1);
  if (target == position) return std::nullopt;
  return target;
}

}  // namespace torvane
