#pragma once
// The data kinds an acquisition run asks JV-Link for, as the option menu sets
// them in the settings file: the special registrations with the masters and
// results in the older horse master layout ("TOKUDIFF", the default) or with
// the current masters ("TOKUDIFN"), and on request the central races' details
// and results as well ("RACE").

#include <string>
#include <string_view>

namespace torvane {

class TIniGT;

inline constexpr std::string_view kTokuDiffText = "TOKUDIFF";
inline constexpr std::string_view kTokuDifnText = "TOKUDIFN";
inline constexpr std::string_view kRaceKindText = "RACE";

struct DataSpecChoice {
  bool currentMasters = false;  // "TOKUDIFN" rather than "TOKUDIFF"
  bool races = false;           // "RACE" added
};

// The choice kept in the settings file; a value the program did not write
// reads as the default.
DataSpecChoice ReadDataSpecChoice(const TIniGT& settings);
// False when the settings file could not be written.
bool SaveDataSpecChoice(TIniGT& settings, const DataSpecChoice& choice);
// The dataspec text of the choice: "TOKUDIFF", "TOKUDIFN", "TOKUDIFFRACE", "TOKUDIFNRACE".
std::string DataSpecText(const DataSpecChoice& choice);

}  // namespace torvane
