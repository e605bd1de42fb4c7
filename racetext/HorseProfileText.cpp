#include "racetext/HorseProfileText.h"

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"
#include "racetext/StrictInteger.h"

namespace torvane {

std::string SexAgeText(const TkRecord& tk, const TkEntry& entry) {
  std::string text = SexName(entry.SexCode());
  const std::int64_t birthYear = ReadCodeNumber(entry.BirthYear());
  if (birthYear > 0) text += std::to_string(ReadCodeNumber(tk.Year()) - birthYear);
  return text;
}

std::string SexAgeCoatText(const TkRecord& tk, const TkEntry& entry, const UmRecord& um) {
  return SexAgeText(tk, entry) + HairColorName(um.CoatColorCode());
}

std::string MarkAreaBirthText(const TkEntry& entry, const UmRecord& um) {
  std::string text = HorseMarkName(entry.HorseMarkCode()) + NameText(um.BirthplaceName());
  if (!TrimBlanks(Cp932ToUtf8(um.BirthYear())).empty())
    text += " " + Cp932ToUtf8(um.BirthYear()) + "." + Cp932ToUtf8(um.BirthMonth()) + "." + Cp932ToUtf8(um.BirthDay()) +
            "生";
  return text;
}

std::string BurdenWeightCellText(const TkEntry& entry) {
  const std::string_view field = entry.BurdenWeight();
  const auto value = StrictInteger(field);
  // A field that is not a number does not occur in valid records; it shows
  // like a missing weight.
  if (!value || *value == 0) return " ";
  return FormatTenthsField(field) + "kg";
}

std::int64_t EarnedPrize(const TkRecord& tk, const UmRecord& um) {
  const std::int64_t sixth = ReadCodeNumber(um.PrizeTotal(5));
  if (tk.TrackCode().starts_with('5')) return sixth;
  return ReadCodeNumber(um.PrizeTotal(4)) + sixth;
}

// The main and added prizes won, flat and jump; the earned prizes after them
// rate the horse's class and are no money it won.
std::int64_t TotalPrize(const UmRecord& um) {
  std::int64_t total = 0;
  for (int i = 0; i < 4; ++i) total += ReadCodeNumber(um.PrizeTotal(i));
  return total;
}

}  // namespace torvane
