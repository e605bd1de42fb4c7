#include "print/InfoPrintText.h"

#include <stdexcept>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/DateTime.h"
#include "jvdata/PlainText.h"
#include "racetext/HorseProfileText.h"
#include "racetext/PastRaceText.h"

namespace torvane {
namespace {

int Number(std::string_view field) { return static_cast<int>(ReadCodeNumber(field)); }

// "#,##0": thousands separators.
std::string Grouped(std::int64_t value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<std::size_t>(i), ",");
  return value < 0 ? "-" + digits : digits;
}

std::string Going(const RaRecord& ra) {
  return SurfaceGoingName(ra, SurfaceOfTrack(ReadCodeNumber(ra.TrackCode()))).value_or("  ");
}

std::string Weight(const SeRecord& se) {
  const int v = Number(se.WeightCarried());
  return v > 0 ? Formatted("%d.%d", v / 10, v % 10) + "Kg " : " ";
}

std::string Popularity(const SeRecord& se) {
  const int v = Number(se.Popularity());
  return v > 0 ? Formatted("%2d", v) + "人" : "";
}

std::string RaceTime(const SeRecord& se) { return se.RaceTime() == "0000" ? "----" : Cp932ToUtf8(se.RaceTime()); }

std::string Last3F(const SeRecord& se) {
  const std::string_view f = se.Last3Furlongs();
  return f == "000" || f == "999" ? "3F---" : "3F" + Cp932ToUtf8(f);
}

std::string BodyWeight(const SeRecord& se) {
  const auto v = static_cast<int>(WeighedBodyWeight(se));
  return v > 0 ? Formatted("%3d", v) + "Kg" : "";
}

std::string RacePrizeText(const SeRecord& se) { return Grouped(RacePrize(se) / 10) + "千円  "; }

}  // namespace

std::string InfoDateLine(const TkRecord& tk) {
  const std::string course = CourseName(tk.CourseCode(), 2);
  // The month and day right-aligned, so that a one-digit month keeps its leading blank: " 4月".
  return JapaneseDateText(tk.Year(), FormatIntField(tk.Month()), FormatIntField(tk.Day())) + course + " " +
         std::to_string(Number(tk.MeetingNumber())) + "回 " + std::to_string(Number(tk.DayNumber())) + "日";
}

std::string BurdenWeightText(const TkEntry& entry) {
  const int v = Number(entry.BurdenWeight());
  return v > 0 ? Formatted("%4.1f", v / 10.0) + "kg" : "";
}

std::string EarnedPrizeText(const UmRecord& um, const TkRecord& tk) {
  return Formatted("%8lld", static_cast<long long>(EarnedPrize(tk, um) / 10)) + "千円";
}

std::string TotalPrizeText(const UmRecord& um) {
  return Formatted("%8lld", static_cast<long long>(TotalPrize(um) / 10)) + "千円";
}

std::string PlacingText(const UmRecord& um, int surface) {
  const int firstBlock = surface * 3;
  const int blockCount = surface == 2 ? 1 : 3;
  int counts[6] = {};
  for (int b = firstBlock; b < firstBlock + blockCount; ++b)
    for (int c = 0; c < 6; ++c) counts[c] += Number(um.PlacingCount(b, c));
  const std::string text =
      Formatted("%2d-%2d-%2d-%2d", counts[0], counts[1], counts[2], counts[3] + counts[4] + counts[5]);
  return text.substr(0, 11);
}

std::string PastRaceLine(const RaRecord& ra, const SeRecord& se, int line) {
  switch (line) {
    case 1:
      return std::to_string(Number(ra.MeetingNumber())) + CourseName(ra.CourseCode(), 2) + " " +
             Cp932ToUtf8(ra.Month()) + "." + Cp932ToUtf8(ra.Day()) + " " + RaceClass(ra);
    case 2:
      return FormatIntField(ra.FieldSize()) + "頭" + CircledNumberText(se.HorseNumber()) +
             FormatIntField(ra.Distance()) + TrackName(ra.TrackCode()) + WeatherName(ra.WeatherCode()) + Going(ra);
    case 3:
      return Cp932ToUtf8(se.JockeyShortName()) + Weight(se) + Popularity(se);
    case 4: {
      std::string text = RaceTime(se);
      for (int corner = 0; corner < 4; ++corner) text += CircledNumberText(se.CornerPosition(corner));
      return text + Last3F(se);
    }
    case 5:
      return BodyWeight(se) + " " + RacePrizeText(se);
    case 6:
      return Cp932ToUtf8(Cp932Prefix(se.OpponentName(), 18)) + FormatTimeDiff(se.TimeDifference());
    default:
      throw std::out_of_range("past race line " + std::to_string(line) + " does not exist: lines are 1 to 6");
  }
}

std::string FinishingText(const SeRecord& se) {
  const int v = Number(se.FinishingPosition());
  return v > 0 ? Formatted("%2d", v) : "-";
}

}  // namespace torvane
