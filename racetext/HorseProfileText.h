#pragma once
// The profile texts of a nominated horse that the information grid, the
// information print, the earned-prize order and the horse window show alike
// (UTF-8 from the raw CP932 records), and its prize money.

#include <cstdint>
#include <string>

#include "jvdata/JVData_Structure.h"

namespace torvane {

// Sex, then the age in the race's year when the entry gives a birth year:
// "牡5".
std::string SexAgeText(const TkRecord& tk, const TkEntry& entry);

// Sex, age, then the coat colour: "牡5鹿毛".
std::string SexAgeCoatText(const TkRecord& tk, const TkEntry& entry, const UmRecord& um);

// The horse mark, the birthplace and, when the horse master has one, the
// birth date: "(外)浦河町 2021.05.27生".
std::string MarkAreaBirthText(const TkEntry& entry, const UmRecord& um);

// The burden weight (tenths of a kilogram) as "55.0kg"; " " when blank or 0.
std::string BurdenWeightCellText(const TkEntry& entry);

// The prize money that counts for the race, in units of 100 yen: the sixth
// prize total alone for a jump race (track code beginning "5"), else the
// fifth and sixth together. A blank horse master reads as 0.
std::int64_t EarnedPrize(const TkRecord& tk, const UmRecord& um);
// All six prize totals together, in units of 100 yen.
std::int64_t TotalPrize(const UmRecord& um);

}  // namespace torvane
