// The race and horse code tables: constant rows looked up without allocation
// beyond the returned text, since the grids call them for every painted cell.

#include "codes/KeibaFunc.h"

#include <array>
#include <cstdio>

namespace torvane {
namespace {

struct CodeText {
  std::string_view code;
  std::string_view text;
};

// Exact match: the field must equal the code byte for byte; the first row wins.
template <std::size_t N>
std::string Lookup(const std::array<CodeText, N>& rows, std::string_view code, std::string_view other) {
  for (const CodeText& row : rows)
    if (row.code == code) return std::string(row.text);
  return std::string(other);
}

constexpr std::array<CodeText, 11> kHairColors{{
    {"01", "栗毛"},
    {"02", "栃栗毛"},
    {"03", "鹿毛"},
    {"04", "黒鹿毛"},
    {"05", "青鹿毛"},
    {"06", "青毛"},
    {"07", "芦毛"},
    {"08", "栗粕毛"},
    {"09", "鹿粕毛"},
    {"10", "青粕毛"},
    {"11", "白毛"},
}};

// Grade texts in the columns of forms 1 (5 bytes), 8 (3 bytes) and 9 (18 bytes).
struct GradeRow {
  std::string_view code;
  std::array<std::string_view, 3> forms;
};

constexpr std::array<GradeRow, 9> kGrades{{
    {"A", {"G1   ", "G1 ", "G1(平地競走)　　　"}},
    {"B", {"G2   ", "G2 ", "G2(平地競走)　　　"}},
    {"C", {"G3   ", "G3 ", "G3(平地競走)　　　"}},
    {"D", {"重賞 ", "重 ", "ｸﾞﾚｰﾄﾞのない重賞　"}},
    {"E", {"特別 ", "特 ", "重賞以外の特別競走"}},
    {"F", {"JG1  ", "JG1", "JG1(障害競走)　　 "}},
    {"G", {"JG2  ", "JG2", "JG2(障害競走)　　 "}},
    {"H", {"JG3  ", "JG3", "JG3(障害競走)　　 "}},
    {"L", {"L    ", "L  ", "リステッド競走　　"}},
}};
constexpr std::array<std::string_view, 3> kGradeOther{"　　 ", "　 ", "　　　　　　　　　"};

constexpr std::array<CodeText, 4> kWeightTypes{{{"1", "ﾊﾝﾃﾞ"}, {"2", "別定"}, {"3", "馬齢"}, {"4", "定量"}}};

constexpr std::array<CodeText, 6> kWeathers{
    {{"1", "晴"}, {"2", "曇"}, {"3", "雨"}, {"4", "小雨"}, {"5", "雪"}, {"6", "小雪"}}};

constexpr std::array<CodeText, 3> kSexes{{{"1", "牡"}, {"2", "牝"}, {"3", "ｾﾝ"}}};

// Going texts in the columns of forms 0 (bare), 1 (turf) and 2 (dirt).
struct GoingRow {
  std::string_view code;
  std::array<std::string_view, 3> forms;
};

constexpr std::array<GoingRow, 4> kGoings{{
    {"1", {"良", "芝:良", "ダ:良"}},
    {"2", {"稍重", "芝:稍重", "ダ:稍重"}},
    {"3", {"重", "芝:重", "ダ:重"}},
    {"4", {"不良", "芝:不良", "ダ:不良"}},
}};

struct MarkRow {
  int value;
  std::string_view text;
};

constexpr std::array<MarkRow, 28> kMarkRows{{
    {1, "(抽)"},      {2, "[抽]"},          {3, "(父)"},          {4, "(市)"},      {5, "(地)"},
    {6, "(外)"},      {7, "(父)(抽)"},      {8, "(父)(市)"},      {9, "(父)(地)"},  {10, "(市)(地)"},
    {11, "(外)(地)"}, {12, "(父)(市)(地)"}, {15, "(招)"},         {16, "(招)(外)"}, {17, "(招)(父)"},
    {18, "(招)(市)"}, {19, "(招)(父)(市)"}, {20, "(父)(外)"},     {21, "[地]"},     {22, "(外)[地]"},
    {23, "(父)[地]"}, {24, "(市)[地]"},     {25, "(父)(市)[地]"}, {26, "[外]"},     {27, "(父)[外]"},
    {31, "(持)"},     {40, "(父)(外)(地)"}, {41, "(父)(外)[地]"},
}};

// The marks indexed by value; an empty entry is a value without a mark.
constexpr auto kMarks = [] {
  std::array<std::string_view, 42> marks{};
  for (const MarkRow& row : kMarkRows) marks[row.value] = row.text;
  return marks;
}();

constexpr std::string_view kWinClassesFrom = "20190601";

constexpr std::array<std::string_view, 18> kCircled{"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨",
                                                    "⑩", "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱"};

}  // namespace

std::string HairColorName(std::string_view code) { return Lookup(kHairColors, code, "－"); }

std::string GradeName(std::string_view code, int form) {
  std::size_t column;
  switch (form) {
    case 1:
      column = 0;
      break;
    case 8:
      column = 1;
      break;
    case 9:
      column = 2;
      break;
    default:
      return {};
  }
  for (const GradeRow& row : kGrades)
    if (row.code == code) return std::string(row.forms[column]);
  return std::string(kGradeOther[column]);
}

std::string WeightTypeName(std::string_view code) { return Lookup(kWeightTypes, code, ""); }

std::string HorseMarkName(std::string_view code) {
  const std::int64_t value = ReadCodeNumber(code);
  if (value >= 0 && value < static_cast<std::int64_t>(kMarks.size()) && !kMarks[value].empty())
    return std::string(kMarks[value]);
  return "　";
}

std::string CircledNumber(std::int64_t number) {
  if (number >= 1 && number <= static_cast<std::int64_t>(kCircled.size())) return std::string(kCircled[number - 1]);
  return "－";
}

std::string CircledNumberText(std::string_view digits) { return CircledNumber(ReadCodeNumber(digits)); }

std::string ConditionName(std::string_view code, std::string_view raceDate) {
  const std::int64_t value = ReadCodeNumber(code);
  // The classes were renamed by wins from June 2019; the codes stayed. The
  // new names keep the old width so that no column moves.
  if (raceDate >= kWinClassesFrom) {
    if (value == 5) return "1勝ｸﾗｽ  ";
    if (value == 10) return "2勝ｸﾗｽ  ";
    if (value == 16) return "3勝ｸﾗｽ  ";
  }
  if (value >= 1 && value <= 99) {
    char text[16];
    std::snprintf(text, sizeof text, "%4d万下", static_cast<int>(value * 100));
    return text;
  }
  switch (value) {
    case 100:
      return "1億下";
    case 701:
      return "新馬";
    case 702:
      return "未出走";
    case 703:
      return "未勝利";
    case 999:
      return "オープン";
    default:
      return {};
  }
}

TrackSurface SurfaceOfTrack(std::int64_t trackCode) {
  if (trackCode <= 22) return TrackSurface::Turf;
  if (trackCode <= 29) return TrackSurface::Dirt;
  return TrackSurface::Jump;
}

std::string TrackName(std::string_view code) {
  const std::int64_t value = ReadCodeNumber(code);
  if (value == 10) return "芝直";
  if (value >= 11 && value <= 16) return "芝左";
  if (value >= 17 && value <= 22) return "芝右";
  if (value == 23 || value == 25) return "ダ左";
  if (value == 24 || value == 26) return "ダ右";
  if (value == 29) return "ダ直";
  if (value >= 51 && value <= 59) return "障害";
  return {};
}

std::string WeatherName(std::string_view code) { return Lookup(kWeathers, code, ""); }

std::string GoingName(std::string_view code, int form) {
  if (form < 0 || form > 2) return {};
  for (const GoingRow& row : kGoings)
    if (row.code == code) return std::string(row.forms[form]);
  return {};
}

std::string SexName(std::string_view code) { return Lookup(kSexes, code, ""); }

}  // namespace torvane
