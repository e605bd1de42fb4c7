#include "print/InfoPrint.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"
#include "print/InfoPrintText.h"
#include "racetext/HorseProfileText.h"

namespace torvane {
namespace {

constexpr const char* kGothic = "ＭＳ ゴシック";
constexpr const char* kPGothic = "ＭＳ Ｐゴシック";
constexpr int kLeft = 100;
constexpr int kRight = 1990;
constexpr int kBandTop = 280;
constexpr int kBandBottom = 406;
constexpr int kBlockHeight = 126;

int Number(std::string_view field) { return static_cast<int>(ReadCodeNumber(field)); }

void Font(PrintCanvas& canvas, const char* face, int points) {
  canvas.SetFontFace(face);
  canvas.SetFontSize(points);
}

void Line(PrintCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

void DrawHeader(PrintCanvas& canvas, const TkRecord& tk, int page, int registeredCount) {
  Font(canvas, kGothic, 9);
  canvas.SetFontBold(true);
  canvas.SetFontUnderline(true);
  canvas.TextOut(1800, 50, "Page" + std::to_string(page + 1));
  canvas.SetFontSize(10);
  canvas.SetFontUnderline(false);
  canvas.TextOut(210, 220, "ﾚｰｽ");
  canvas.SetFontSize(20);
  canvas.TextOut(100, 95, CourseName(tk.CourseCode(), 2));

  canvas.SetPenWidth(10);
  canvas.SetBrushSolid(kPrintBlack);
  canvas.Rectangle(100, 170, 180, 250);
  const int raceNumber = Number(tk.RaceNumber());
  canvas.SetFontColour(kPrintWhite);
  canvas.TextOut(raceNumber < 10 ? 120 : 105, 175, std::to_string(raceNumber));

  canvas.SetFontColour(kPrintBlack);
  canvas.SetBrushSolid(kPrintWhite);
  canvas.SetFontSize(11);
  canvas.TextOut(300, 90, InfoDateLine(tk));
  canvas.SetFontSize(10);
  canvas.SetFontBold(false);
  canvas.TextOut(300, 135, Cp932ToUtf8(tk.RaceName()));
  char count[16];
  std::snprintf(count, sizeof count, "%2d", registeredCount);
  canvas.TextOut(300, 170, std::string(count) + "頭");
  canvas.TextOut(500, 170, WeightTypeName(tk.WeightTypeCode()));
  canvas.TextOut(800, 170, ConditionName(tk.ConditionCode(), tk.RaceDate()));
  canvas.TextOut(1100, 170, TrackName(tk.TrackCode()));
  canvas.TextOut(1300, 170, FormatIntField(tk.Distance()) + "m");
  canvas.SetPenWidth(10);
  Line(canvas, 300, 210, 1650, 210);
}

void DrawFrame(PrintCanvas& canvas, int rows) {
  const int bottom = kBandBottom + kBlockHeight * rows;
  canvas.SetPenWidth(20);
  canvas.SetBrushSolid(kPrintSilver);
  canvas.Rectangle(kLeft, kBandTop, kRight, kBandBottom);
  canvas.SetBrushClear();
  canvas.SetPenWidth(20);
  canvas.Rectangle(kLeft, kBandTop, kRight, bottom);
  canvas.SetPenWidth(5);
  for (int x : {180, 635, 750, 890}) Line(canvas, x, kBandTop, x, bottom);
  for (int x : {1110, 1330, 1550, 1770}) Line(canvas, x, 380, x, bottom);
  Line(canvas, 890, 380, kRight, 380);
}

void DrawPastRace(PrintCanvas& canvas, const RaRecord& ra, const SeRecord& se, int k, int top) {
  const int x0 = 893 + 220 * k;
  Font(canvas, kPGothic, 6);
  for (int line = 1; line <= 6; ++line) canvas.TextOut(x0, top + 2 + 20 * (line - 1), PastRaceLine(ra, se, line));
  canvas.SetFontSize(8);
  canvas.SetFontBold(true);
  canvas.TextOut(x0 + 180, top + 77, FinishingText(se));
  canvas.SetFontBold(false);
}

void DrawHorseBlock(PrintCanvas& canvas, const WorkingSet& ws, int race, int h, int row) {
  const TkRecord& tk = ws.LoadedTk[race];
  const TkEntry entry = tk.Entry(h);
  const UmRecord& um = ws.LoadedUm[race][h];
  const bool flagSet = ws.EntryLoaded[race][h] == 1;
  const int top = kBandTop + kBlockHeight * row;

  canvas.SetPenWidth(1);
  Line(canvas, kLeft, top, kRight, top);
  Font(canvas, kGothic, 11);
  canvas.TextOut(110, top + 20, FormatIntField(entry.RunningNumber()));
  Font(canvas, kPGothic, 9);
  canvas.TextOut(205, top + 53, NameText(entry.HorseName()));
  if (flagSet) {
    canvas.SetFontSize(7);
    canvas.TextOut(530, top + 5, SexAgeCoatText(tk, entry, um));
    canvas.SetFontSize(6);
    canvas.TextOut(205, top + 5, NameText(um.SireName()));
    canvas.TextOut(205, top + 30, MarkAreaBirthText(entry, um));
    canvas.TextOut(205, top + 83, NameText(um.DamName()));
    canvas.TextOut(205, top + 103, NameText(um.DamSireName()));
    canvas.TextOut(470, top + 83, NameText(um.OwnerName()));
    canvas.TextOut(470, top + 103, NameText(um.BreederName()));
    canvas.TextOut(640, top + 90, Cp932ToUtf8(um.TrainerShortName()));
  }
  const std::string burden = BurdenWeightText(entry);
  if (!burden.empty()) {
    Font(canvas, kPGothic, 6);
    canvas.TextOut(640, top + 30, burden);
  }
  if (!flagSet) return;
  Font(canvas, kGothic, 6);
  canvas.TextOut(750, top + 5, EarnedPrizeText(um, tk));
  canvas.TextOut(750, top + 25, TotalPrizeText(um));
  for (int surface = 0; surface < 3; ++surface) canvas.TextOut(750, top + 45 + 20 * surface, PlacingText(um, surface));
  for (int k = 0; k < kMaxPastRaces; ++k) {
    const RaRecord& ra = ws.LoadedRa[race][h][k];
    if (TrimBlanks(Cp932ToUtf8(ra.CourseCode())).empty()) continue;
    DrawPastRace(canvas, ra, ws.LoadedSe[race][h][k], k, top);
  }
}

void DrawBandTitles(PrintCanvas& canvas) {
  canvas.SetFontColour(kPrintBlack);
  canvas.SetBrushClear();
  Font(canvas, kGothic, 11);
  canvas.TextOut(125, 300, "連");
  canvas.TextOut(125, 340, "番");
  canvas.SetFontSize(10);
  canvas.TextOut(205, 327, "馬名");
  Font(canvas, kPGothic, 7);
  canvas.TextOut(530, 285, "性齢毛色");
  canvas.SetFontSize(6);
  const struct {
    int x, y;
    const char* text;
  } titles[] = {
      {205, 285, "父"},
      {205, 305, "馬記号・産地・生年月日"},
      {205, 363, "母"},
      {205, 383, "母父"},
      {470, 363, "馬主"},
      {470, 383, "生産者"},
      {640, 305, "負担重量"},
      {640, 363, "調教師名"},
      {750, 283, "取得賞金"},
      {750, 303, "総賞金"},
      {750, 323, "入着回数(芝)"},
      {750, 343, "入着回数(ダ)"},
      {750, 363, "入着回数(障)"},
      {750, 383, "予想配当・順位"},
      {892, 282, "１行目＝開催回次・開催場所・開催日・条件又はｸﾞﾚｰﾄﾞ"},
      {892, 304, "２行目＝頭数・ｹﾞｰﾄ・距離・トラック・天候・馬場状態　　３行目＝騎手・負担重量・単勝人気"},
      {892, 326, "４行目＝ﾀｲﾑ・ｺｰﾅｰ順位・3Fﾀｲﾑ　　５行目＝馬体重・総賞金・着順(右端大字)"},
      {892, 348, "６行目＝１着馬(当該馬が１着の場合は２着馬)・着差"},
  };
  for (const auto& title : titles) canvas.TextOut(title.x, title.y, title.text);
  for (int m = 1; m <= kMaxPastRaces; ++m) canvas.TextOut(893 + 220 * (m - 1), 382, "前走-" + std::to_string(m));
}

}  // namespace

int InfoPrintPageCount(int registeredCount) {
  return (registeredCount + kHorseBlocksPerPage - 1) / kHorseBlocksPerPage;
}

int RecordInfoPrint(PrintCanvas& canvas, const WorkingSet& workingSet, int race) {
  const TkRecord& tk = workingSet.LoadedTk.at(static_cast<std::size_t>(race));
  const int n = RegisteredCount(tk);
  const int pages = InfoPrintPageCount(n);
  canvas.BeginDoc();
  for (int p = 0; p < pages; ++p) {
    if (p > 0) canvas.NewPage();
    const int rows = std::min(kHorseBlocksPerPage, n - kHorseBlocksPerPage * p);
    DrawHeader(canvas, tk, p, n);
    DrawFrame(canvas, rows);
    for (int i = 1; i <= rows; ++i) DrawHorseBlock(canvas, workingSet, race, kHorseBlocksPerPage * p + i - 1, i);
    DrawBandTitles(canvas);
  }
  canvas.EndDoc();
  return std::max(pages, 1);
}

}  // namespace torvane
