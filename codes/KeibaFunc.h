#pragma once
// Conversions from record codes and digit fields to display texts.
//
// Inputs are fields cut from records: CP932 bytes exactly as stored (codes and
// digits are ASCII). Results are UTF-8 display texts. Many results have a fixed
// width counted in CP932 bytes (Cp932Width) so that columns line up in the
// fixed-pitch font; every literal, trailing blanks and full-width spaces
// included, is exact. The functions keep no state.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

// The one rule for reading a number from a field: leading half-width blanks
// skipped, one optional sign, then decimal digits up to the first other
// character; no digit gives 0. "05", " 5", "5 ", "5x" all read 5. An absurd
// run of digits saturates at the range of the result.
std::int64_t ReadCodeNumber(std::string_view field);

// Coat colour: exact match of the 2-character code; other codes give "－".
std::string HairColorName(std::string_view code);
// Grade: exact match of the 1-character code; form 1 (5 bytes), 8 (3) or 9
// (18). Any other form gives the empty text.
std::string GradeName(std::string_view code, int form);
// Weight type: exact match of the 1-character code.
std::string WeightTypeName(std::string_view code);
// Horse mark: the code read as a number; unknown values give "　". The marks
// are written with half-width brackets: "(抽)", "[地]".
std::string HorseMarkName(std::string_view code);
// 1..18 give "①".."⑱"; every other number "－".
std::string CircledNumber(std::int64_t number);
// The digit text read as a number, then CircledNumber.
std::string CircledNumberText(std::string_view digits);
// Race condition: the 3-character code read as a number, named as it was
// named on the race's date (yyyymmdd).
std::string ConditionName(std::string_view code, std::string_view raceDate);
// Track: the 2-character code read as a number.
std::string TrackName(std::string_view code);
// The surface a track code (read as a number) is run on: up to 22 turf,
// 23 to 29 dirt, everything above jump; it picks the going code of a race.
enum class TrackSurface { Turf, Dirt, Jump };
TrackSurface SurfaceOfTrack(std::int64_t trackCode);
// Weather: exact match of the 1-character code.
std::string WeatherName(std::string_view code);
// Going: exact match of the 1-character code; form 0, 1 or 2. Any other form
// gives the empty text.
std::string GoingName(std::string_view code, int form);
// Sex: exact match of the 1-character code.
std::string SexName(std::string_view code);

// A UTF-8 text without its full-width spaces (U+3000); half-width blanks stay.
std::string RemoveWideSpaces(std::string_view utf8);
// A name field for display: converted, trimmed, full-width spaces removed.
std::string NameText(std::string_view cp932Field);

// Digit field of width w: the number right-aligned in w places, w blanks for 0.
std::string FormatIntField(std::string_view field);
// Digit field of width w in tenths: one decimal, right-aligned in w + 1
// places; w blanks for 0.
std::string FormatTenthsField(std::string_view field);
// 4-character time-difference field (sign and three digits in tenths of a
// second) to its 5-character display text. A field that is no time difference
// (not 4 bytes, no digits as characters 2 and 3, non-ASCII sign or tenth)
// gives five blanks.
std::string FormatTimeDiff(std::string_view field);

// Racecourse and country names: exact match of the 2-character code; form 0,
// 1, 2, 3 or 9. Any other form gives the empty text.
std::string CourseName(std::string_view code, int form);
// The central racecourse name, or "地方  " / "海外  " for local and foreign
// codes; 6 bytes wide.
std::string CourseGroupName(std::string_view code);

}  // namespace torvane
