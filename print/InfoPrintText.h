#pragma once
// The texts of the information print, one function per printed item. Inputs
// are the raw CP932 records; results are UTF-8.

#include <string>

#include "jvdata/JVData_Structure.h"

namespace torvane {

// Header.
std::string InfoDateLine(const TkRecord& tk);
// Horse block.
// (The profile lines: racetext/HorseProfileText.h.)
std::string BurdenWeightText(const TkEntry& entry);  // empty for 0
std::string EarnedPrizeText(const UmRecord& um, const TkRecord& tk);
std::string TotalPrizeText(const UmRecord& um);
// Surface 0 turf, 1 dirt, 2 jump.
std::string PlacingText(const UmRecord& um, int surface);
// Past race lines 1..6 and the finishing position.
std::string PastRaceLine(const RaRecord& ra, const SeRecord& se, int line);
std::string FinishingText(const SeRecord& se);

}  // namespace torvane
