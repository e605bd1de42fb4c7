#include "browse/infogrid/HorseProfileText.h"

#include <cstdint>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"

namespace torvane {

std::string SexAgeCoatText(const TkRecord& tk, const TkEntry& entry, const UmRecord& um) {
  std::string text = SexName(entry.SexCode());
  const std::int64_t birthYear = ReadCodeNumber(entry.BirthYear());
  if (birthYear > 0) text += std::to_string(ReadCodeNumber(tk.Year()) - birthYear);
  return text + HairColorName(um.CoatColorCode());
}

std::string MarkAreaBirthText(const TkEntry& entry, const UmRecord& um) {
  std::string text = HorseMarkName(entry.HorseMarkCode()) + NameText(um.BirthplaceName());
  if (!TrimBlanks(Cp932ToUtf8(um.BirthYear())).empty())
    text += " " + Cp932ToUtf8(um.BirthYear()) + "." + Cp932ToUtf8(um.BirthMonth()) + "." + Cp932ToUtf8(um.BirthDay()) +
            "生";
  return text;
}

}  // namespace torvane
