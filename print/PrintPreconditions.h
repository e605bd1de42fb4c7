#pragma once
// Why a print of the registered horses cannot run, in the order the menu
// handlers test it.

#include <optional>
#include <string>

namespace torvane {

inline constexpr const char* kNoDataMessage = "読み込むﾃﾞｰﾀがありません。";
inline constexpr const char* kNoRaceChosenMessage = "レースを選択してください。";

// The warning to show instead of printing, or nothing when the print can run.
// A list grid of two rows or fewer means no race (or a single horse) is shown.
inline std::optional<std::string> PrintRefusal(bool raceListEmpty, int listGridRowCount) {
  if (raceListEmpty) return kNoDataMessage;
  if (listGridRowCount <= 2) return kNoRaceChosenMessage;
  return std::nullopt;
}

}  // namespace torvane
