#include "browse/RaceHeader.h"

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/DateTime.h"

namespace torvane {
namespace {

std::string NumberText(std::string_view digits) { return std::to_string(ReadCodeNumber(digits)); }

}  // namespace

RaceHeaderLabels RaceHeaderLabelsOf(const TkRecord& tk) {
  RaceHeaderLabels labels;
  const std::string course = CourseName(tk.CourseCode(), 2);
  labels.Label3D1 = course;
  labels.Label3D2 = FormatIntField(tk.RaceNumber());
  labels.Label3D3 = JapaneseDateText(tk.Year(), tk.Month(), tk.Day()) + course + " " + NumberText(tk.MeetingNumber()) +
                    "回 " + NumberText(tk.DayNumber()) + "日";
  labels.Label3D4 = Cp932ToUtf8(tk.RaceName());
  labels.Label3D5 = WeightTypeName(tk.WeightTypeCode());
  labels.Label3D6 = ConditionName(tk.ConditionCode(), tk.RaceDate());
  labels.Label3D7 = TrackName(tk.TrackCode());
  labels.Label3D8 = FormatIntField(tk.Distance()) + "m";
  if (ReadCodeNumber(tk.HandicapMonth()) > 0)
    labels.Label3D9 = "ﾊﾝﾃﾞ発表日:" + Cp932ToUtf8(tk.HandicapMonth()) + "月" + Cp932ToUtf8(tk.HandicapDay()) + "日";
  labels.Label3D110 = FormatIntField(tk.RegisteredCount()) + "頭";
  labels.Label3D115 = GradeName(tk.GradeCode(), 1);
  return labels;
}

}  // namespace torvane
