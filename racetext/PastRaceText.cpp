#include "racetext/PastRaceText.h"

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"
#include "racetext/StrictInteger.h"

namespace torvane {
namespace {

// Meeting without its leading zero, racecourse, date as stored; 15 blanks
// for a year of 0.
template <typename Race>
std::string DateAndCourse(const Race& race) {
  if (StrictInteger(race.Year()) == 0) return std::string(15, ' ');
  return std::to_string(ReadCodeNumber(race.MeetingNumber())) + CourseName(race.CourseCode(), 2) +
         Cp932ToUtf8(race.Year()) + "." + Cp932ToUtf8(race.Month()) + "." + Cp932ToUtf8(race.Day());
}

// "16頭⑤2000": field size and horse number (when the field size is known), distance.
std::string FieldAndDistance(const SeRecord& se, const RaRecord& ra) {
  std::string text;
  const std::string runners = FormatIntField(ra.FieldSize());
  if (!TrimBlanks(runners).empty()) text = runners + "頭" + CircledNumberText(se.HorseNumber());
  return text + FormatIntField(ra.Distance());
}

std::string WeatherAndGoing(const RaRecord& ra, TrackSurface surface) {
  return WeatherName(ra.WeatherCode()) + " " + SurfaceGoingName(ra, surface).value_or(" ");
}

// Jockey, weight carried and popularity; the two numbers keep their width when absent.
std::string JockeyWeightAndPopularity(const SeRecord& se) {
  const std::int64_t carried = ReadCodeNumber(se.WeightCarried());
  const std::int64_t popularity = ReadCodeNumber(se.Popularity());
  return Cp932ToUtf8(se.JockeyShortName()) +
         (carried > 0 ? " " + Formatted("%4.1fkg", static_cast<double>(carried) / 10) : std::string(7, ' ')) +
         (popularity > 0 ? " " + Formatted("%2lld人", static_cast<long long>(popularity)) : std::string(7, ' '));
}

std::string CornerText(const SeRecord& se, int i) {
  const std::int64_t position = ReadCodeNumber(se.CornerPosition(i));
  return position == 0 ? "－" : CircledNumber(position);
}

std::string Last3FurlongsText(const SeRecord& se) {
  const std::string_view field = TrimBlanks(se.Last3Furlongs());
  if (field.empty() || field == "000" || field == "999") return " ";
  return " 3F:" + Cp932ToUtf8(se.Last3Furlongs());
}

std::string BodyWeightAndPrize(const SeRecord& se) {
  const std::int64_t bodyWeight = WeighedBodyWeight(se);
  const std::int64_t prize = RacePrize(se);
  return (bodyWeight > 0 ? Formatted("%3lldkg", static_cast<long long>(bodyWeight)) : std::string(5, ' ')) +
         (prize > 0 ? Formatted("%7lld千円", static_cast<long long>(prize / 10)) : std::string(8, ' '));
}

}  // namespace

std::string RaceClass(const RaRecord& ra) {
  if (NameText(ra.ShortRaceName()).empty()) return ConditionName(ra.ConditionCode(), ra.RaceDate());
  return GradeName(ra.GradeCode(), 1) + Cp932ToUtf8(ra.ShortRaceName());
}

std::optional<std::string> SurfaceGoingName(const RaRecord& ra, TrackSurface surface) {
  switch (surface) {
    case TrackSurface::Turf:
      return GoingName(ra.TurfGoingCode(), 0);
    case TrackSurface::Dirt:
      return GoingName(ra.DirtGoingCode(), 0);
    case TrackSurface::Jump:
      break;
  }
  return std::nullopt;
}

std::int64_t RacePrize(const SeRecord& se) { return ReadCodeNumber(se.MainPrize()) + ReadCodeNumber(se.AddedPrize()); }

std::int64_t WeighedBodyWeight(const SeRecord& se) {
  const std::int64_t weight = ReadCodeNumber(se.BodyWeight());
  return weight == 999 ? 0 : weight;
}

bool IsRaceDetailAbsent(const RaRecord& ra) {
  const std::string_view year = TrimBlanks(ra.Year());
  return year.empty() || year == "0000";
}

PastRaceTexts PastRaceTextsOf(const SeRecord& se, const RaRecord& ra) {
  PastRaceTexts t;
  t.dateAndCourse = IsRaceDetailAbsent(ra) ? DateAndCourse(se) : DateAndCourse(ra);
  t.raceClass = RaceClass(ra);
  t.fieldAndDistance = FieldAndDistance(se, ra);
  t.surface = SurfaceOfTrack(ReadCodeNumber(ra.TrackCode()));
  t.track = TrackName(ra.TrackCode());
  t.weatherAndGoing = WeatherAndGoing(ra, t.surface);
  t.jockeyWeightAndPopularity = JockeyWeightAndPopularity(se);
  t.time = FormatIntField(se.RaceTime());
  if (!TrimBlanks(t.time).empty())
    for (int i = 0; i < 4; ++i) t.corners.push_back(CornerText(se, i));
  t.last3Furlongs = Last3FurlongsText(se);
  t.bodyWeightAndPrize = BodyWeightAndPrize(se);
  t.position = ReadCodeNumber(se.FinishingPosition());
  t.finishingPosition = t.position > 0 ? Formatted("%2lld", static_cast<long long>(t.position)) : " ";
  t.opponentAndMargin = NameText(se.OpponentName()) + FormatTimeDiff(se.TimeDifference());
  return t;
}

std::vector<std::string> PastRaceFields(const PastRaceTexts& t) {
  std::string corners;
  for (const std::string& corner : t.corners) corners += corner;
  return {t.dateAndCourse,
          t.raceClass,
          t.fieldAndDistance,
          t.track,
          t.weatherAndGoing,
          t.jockeyWeightAndPopularity,
          t.time,
          corners,
          t.last3Furlongs,
          t.bodyWeightAndPrize,
          t.finishingPosition,
          t.opponentAndMargin};
}

}  // namespace torvane
