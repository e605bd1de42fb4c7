// The code-table functions on arbitrary field bytes. The first input byte is
// the form (signed, so that odd forms come too), the rest the field. Every
// result is well-formed UTF-8, and the texts of fixed width keep it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

using namespace torvane;

void RequireText(const std::string& text) { fuzz::Require(fuzz::IsUtf8(text), "a result is UTF-8"); }

void RequireWidth(const std::string& text, int width, std::string_view what) {
  RequireText(text);
  fuzz::Require(Cp932Width(text) == width, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int form = static_cast<std::int8_t>(data[0]);
  const std::string_view field(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::int64_t number = ReadCodeNumber(field);
  RequireText(HairColorName(field));
  RequireText(GradeName(field, form));
  RequireText(WeightTypeName(field));
  RequireText(HorseMarkName(field));
  RequireText(CircledNumber(number));
  RequireText(CircledNumberText(field));
  RequireText(ConditionName(field, field));
  RequireText(TrackName(field));
  RequireText(WeatherName(field));
  RequireText(GoingName(field, form));
  RequireText(SexName(field));
  RequireText(CourseName(field, form));
  RequireWidth(CourseGroupName(field), 6, "a course group name is 6 bytes wide");
  RequireWidth(FormatTimeDiff(field), 5, "a time difference is 5 bytes wide");

  const std::string utf8 = Cp932ToUtf8(field);
  RequireText(RemoveWideSpaces(utf8));
  RequireText(std::string(TrimBlanks(utf8)));
  RequireText(NameText(field));
  // Digit fields are at most a few bytes wide in a record; the width rule
  // holds for any width the number fits in.
  const std::string_view digits = field.substr(0, 8);
  const std::int64_t value = ReadCodeNumber(digits);
  const int width = static_cast<int>(digits.size());
  const std::string integer = FormatIntField(digits);
  if (value >= 0 && std::to_string(value).size() <= digits.size())
    RequireWidth(integer, width, "an integer field keeps its width");
  // A one-digit field of tenths has no room for "0.": from two digits on it fits.
  const std::string tenths = FormatTenthsField(digits);
  if (width >= 2 && value >= 0 && std::to_string(value).size() <= digits.size())
    RequireWidth(tenths, value == 0 ? width : width + 1, "a tenths field is one wider, blank for 0");
  return 0;
}
