// One of the horse's last five races: six lines from its SE result and the
// race's RA detail.
#include <cstdint>

#include "browse/infogrid/InfoGridCells.h"
#include "browse/infogrid/InfoGridFormat.h"
#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"

namespace torvane::info_grid {
namespace {

bool IsAbsent(const RaRecord& ra) {
  const std::string_view year = TrimBlanks(ra.Year());
  return year.empty() || year == "0000";
}

// "3中山2003.04.06": meeting without its leading zero, racecourse, date as stored.
std::string DateAndCourse(const RaRecord& ra) {
  if (StrictInteger(ra.Year()) == 0) return std::string(15, ' ');
  return std::to_string(ReadCodeNumber(ra.MeetingNumber())) + CourseName(ra.CourseCode(), 2) + Cp932ToUtf8(ra.Year()) +
         "." + Cp932ToUtf8(ra.Month()) + "." + Cp932ToUtf8(ra.Day());
}

// The race condition, or for a named race its grade and short name.
std::string RaceClass(const RaRecord& ra) {
  if (NameText(ra.ShortRaceName()).empty()) return ConditionName(ra.ConditionCode());
  return GradeName(ra.GradeCode(), 1) + Cp932ToUtf8(ra.ShortRaceName());
}

// "16頭⑤2000": field size and horse number (when the field size is known), distance.
std::string FieldAndDistance(const SeRecord& se, const RaRecord& ra) {
  std::string text;
  const std::string runners = FormatIntField(ra.RunnerCount());
  if (!TrimBlanks(runners).empty()) text = runners + "頭" + CircledNumberText(se.HorseNumber());
  return text + FormatIntField(ra.Distance());
}

Colour TrackColour(TrackSurface surface) {
  switch (surface) {
    case TrackSurface::Turf:
      return kGreen;
    case TrackSurface::Dirt:
      return kMaroon;
    case TrackSurface::Jump:
      return kBlack;
  }
  return kBlack;
}

std::string WeatherAndGoing(const RaRecord& ra, TrackSurface surface) {
  std::string going = " ";
  if (surface == TrackSurface::Turf) going = GoingName(ra.TurfGoingCode(), 0);
  if (surface == TrackSurface::Dirt) going = GoingName(ra.DirtGoingCode(), 0);
  return WeatherName(ra.WeatherCode()) + " " + going;
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
  const std::int64_t bodyWeight = ReadCodeNumber(se.BodyWeight());
  const std::int64_t prize = ReadCodeNumber(se.MainPrize()) + ReadCodeNumber(se.AddedPrize());
  return (bodyWeight > 0 ? Formatted("%3lldkg", static_cast<long long>(bodyWeight)) : std::string(5, ' ')) +
         (prize > 0 ? Formatted("%7lld千円", static_cast<long long>(prize / 10)) : std::string(8, ' '));
}

Colour FinishingColour(std::int64_t position) {
  if (position == 1) return kRed;
  if (position == 2 || position == 3) return kBlue;
  return kBlack;
}

}  // namespace

void DrawPastRaceCell(InfoGridCanvas& canvas, const SeRecord& se, const RaRecord& ra, bool loaded) {
  if (!loaded) return;
  if (IsAbsent(ra)) {
    canvas.BottomLine();
    return;
  }
  canvas.Fill(kWhite);
  canvas.SetSize(8);

  // 1: date and course, race class.
  const TextExtent date = canvas.Text(kX0, kY0, DateAndCourse(ra));
  int y = kY0 + canvas.Text(kX0 + date.width + 5, kY0, RaceClass(ra)).height;

  // 2: field size, horse number and distance; track; weather and going.
  const std::int64_t trackCode = ReadCodeNumber(ra.TrackCode());
  const TrackSurface surface = SurfaceOfTrack(trackCode);
  int x = kX0 + canvas.Text(kX0, y, FieldAndDistance(se, ra)).width;
  canvas.SetColour(TrackColour(surface));
  x += canvas.Text(x, y, TrackName(ra.TrackCode())).width;
  canvas.SetColour(kBlack);
  y += canvas.Text(x, y, WeatherAndGoing(ra, surface)).height;

  // 3: jockey, weight carried, popularity.
  y += canvas.Text(kX0, y, JockeyWeightAndPopularity(se)).height;

  // 4: time, corner positions, last 3 furlongs.
  const std::string time = FormatIntField(se.RaceTime());
  const TextExtent timeExtent = canvas.Text(kX0, y, time);
  canvas.SetSize(9);
  x = kX0 + timeExtent.width;
  if (!TrimBlanks(time).empty()) {
    for (int i = 0; i < 4; ++i) {
      const int cornerX = kLine + 30 + 12 * i;
      x = cornerX + canvas.Text(cornerX, y, CornerText(se, i)).width;
    }
  }
  canvas.SetSize(8);
  y += canvas.Text(x, y, Last3FurlongsText(se)).height;

  // 5: body weight and prize, finishing position.
  canvas.Text(kX0, y, BodyWeightAndPrize(se));
  const std::int64_t position = ReadCodeNumber(se.FinishingPosition());
  canvas.SetFont(9, true, position > 0 ? FinishingColour(position) : kBlack);
  y += canvas.Text(kLine + 120, y, position > 0 ? Formatted("%2lld", static_cast<long long>(position)) : " ").height;
  canvas.SetFont(8, false, kBlack);

  // 6: opponent and margin.
  canvas.Text(kX0, y, NameText(se.OpponentName()) + FormatTimeDiff(se.TimeDifference()));
  canvas.BottomLine();
}

}  // namespace torvane::info_grid
