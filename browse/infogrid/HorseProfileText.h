#pragma once
// The profile texts of a nominated horse that the information grid and the
// information print show alike (UTF-8 from the raw CP932 records).

#include <string>

#include "jvdata/JVData_Structure.h"

namespace torvane {

// Sex, then the age in the race's year when the entry gives a birth year,
// then the coat colour: "牡5鹿毛".
std::string SexAgeCoatText(const TkRecord& tk, const TkEntry& entry, const UmRecord& um);

// The horse mark, the birthplace and, when the horse master has one, the
// birth date: "(外)浦河町 2021.05.27生".
std::string MarkAreaBirthText(const TkEntry& entry, const UmRecord& um);

}  // namespace torvane
