#pragma once
// The texts of one past race of a horse (its SE result with the race's RA
// detail), as a past-race cell of the information grid shows them. The grid
// draws them; the horse window and `torvane-cli career` list them, so the
// three cannot drift apart. The information print writes its own lines of a
// past race from the same rules (the class, the going, the prize).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codes/KeibaFunc.h"
#include "jvdata/JVData_Structure.h"

namespace torvane {

struct PastRaceTexts {
  std::string dateAndCourse;  // "3中山2003.04.06"
  std::string raceClass;      // the race condition, or the grade and short race name
  std::string fieldAndDistance;
  std::string track;  // coloured by surface
  std::string weatherAndGoing;
  std::string jockeyWeightAndPopularity;
  std::string time;
  std::vector<std::string> corners;  // the four corner positions; none when the time is blank
  std::string last3Furlongs;
  std::string bodyWeightAndPrize;
  std::string finishingPosition;  // bold, coloured by the position
  std::string opponentAndMargin;
  TrackSurface surface = TrackSurface::Turf;
  std::int64_t position = 0;  // the finishing position read as a number
};

// The body weight in kilograms, 0 when none was taken: 999 is a horse that
// could not be weighed and 000 one that was scratched.
std::int64_t WeighedBodyWeight(const SeRecord& se);

// True when the race detail is absent (its year blank or "0000"): the grid
// then draws no texts for the race.
bool IsRaceDetailAbsent(const RaRecord& ra);

// The race's class: the grade and the short race name when the race has
// one, else the race condition named as on the race's date.
std::string RaceClass(const RaRecord& ra);

// The going of the surface the race was run on (form 0); nothing for a jump
// race, which each text shows in its own way.
std::optional<std::string> SurfaceGoingName(const RaRecord& ra, TrackSurface surface);

// The prize money the horse won in the race, main and added together, in
// units of 100 yen as the record keeps them.
std::int64_t RacePrize(const SeRecord& se);

// The texts of race se with its detail ra. The date and racecourse come from
// ra, or from se's own race key when ra is absent, so that a race whose
// detail is missing still says when and where it was run.
PastRaceTexts PastRaceTextsOf(const SeRecord& se, const RaRecord& ra);

// The texts as one row of fields, in the cell's order (the corners as one
// field): date and course, class, field size and distance, track, weather
// and going, jockey, time, corners, last 3 furlongs, body weight and prize,
// finishing position, opponent and margin.
std::vector<std::string> PastRaceFields(const PastRaceTexts& texts);
inline constexpr int kPastRaceFieldCount = 12;

}  // namespace torvane
