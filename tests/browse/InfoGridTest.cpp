// What each kind of cell of the information grid draws, through the
// fixed-pitch measure: one table of texts per column kind.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "browse/infogrid/InfoGrid.h"
#include "tests/browse/InfoGridRecords.h"

namespace torvane {
namespace {

using test::PutDigits;
using test::PutText;

std::string ColourName(const Colour& c) {
  if (c.role == ColourRole::GridText) return "gridtext";
  if (c.role == ColourRole::GridBackground) return "gridback";
  if (c.role == ColourRole::TooltipBackground) return "tooltip";
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// One line per part of the drawing: "fill C", then per text
// "x y points[b] colour/background wxh|text|", then "line".
std::string Described(const CellDrawing& drawing) {
  std::string out;
  if (drawing.fill) out += "fill " + ColourName(*drawing.fill) + "\n";
  for (const CellText& t : drawing.texts)
    out += std::to_string(t.x) + " " + std::to_string(t.y) + " " + std::to_string(t.font.points) +
           (t.font.bold ? "b " : " ") + ColourName(t.colour) + "/" + ColourName(t.background) + " " +
           std::to_string(t.extent.width) + "x" + std::to_string(t.extent.height) + " |" + t.text + "|\n";
  if (drawing.bottomLine) out += "line\n";
  return out;
}

// Race slot 0: a flat race (track 10) of three horses. Horse 0 has all five
// past races: a named turf win, dirt, a jump race, a race without weight
// carried, popularity, time or prize, and a race without a field size.
// Horse 1 has no horse master and no past race; horse 2 a master but no past
// race and no burden weight.
class InfoGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TkRecord& tk = ws->LoadedTk[0] = test::NewRecord<TkRecord>("TK");
    PutText(tk, tk.RaceDate(), "20091220");
    PutText(tk, tk.CourseCode(), "06");
    PutText(tk, tk.TrackCode(), "10");
    PutDigits(tk, tk.RegisteredCount(), 3);
    for (int h = 0; h < 3; ++h) {
      const TkEntry entry = tk.Entry(h);
      PutDigits(tk, entry.RunningNumber(), h + 1);
      PutDigits(tk, entry.BloodNumber(), 2006100000 + h);
      PutText(tk, entry.HorseName(), "ディープ　インパクト");
      PutDigits(tk, entry.HorseMarkCode(), 0);
      PutText(tk, entry.SexCode(), "1");
      PutText(tk, entry.TrainerShortName(), "藤沢和雄");
      if (h != 2) PutDigits(tk, entry.BurdenWeight(), 570);
    }
    ws->EntryLoaded[0][0] = 1;
    ws->EntryLoaded[0][2] = 1;
    for (const int h : {0, 2}) {
      UmRecord& um = ws->LoadedUm[0][h] = test::NewRecord<UmRecord>("UM");
      PutText(um, um.BirthDate(), "20060315");
      PutText(um, um.CoatColorCode(), "03");
      PutText(um, um.SireName(), "サンデーサイレンス");
      PutText(um, um.DamName(), "ウインドインハーヘア");
      PutText(um, um.DamSireName(), "アルザオ");
      PutText(um, um.BreederName(), "ノーザンファーム白老");
      PutText(um, um.BirthplaceName(), "早来町");
      PutText(um, um.OwnerName(), "金子真人ホールディングス");
      for (int i = 0; i < 6; ++i) PutDigits(um, um.PrizeTotal(i), 10000 * (i + 1) + 5);
      for (int block = 0; block < 7; ++block)
        for (int c = 0; c < 6; ++c) PutDigits(um, um.PlacingCount(block, c), block + c);
    }
    for (int k = 0; k < kMaxPastRaces; ++k) SetPastRace(k);
  }

  void SetPastRace(int k) {
    static constexpr int kTracks[kMaxPastRaces] = {10, 23, 51, 17, 24};
    RaRecord& ra = ws->LoadedRa[0][0][k] = test::NewRecord<RaRecord>("RA");
    PutText(ra, ra.RaceDate(), "20091025");
    PutText(ra, ra.CourseCode(), "08");
    PutText(ra, ra.MeetingNumber(), "04");
    PutText(ra, ra.ShortRaceName(), k == 0 ? "菊花賞" : "");
    PutText(ra, ra.GradeCode(), "A");
    PutText(ra, ra.ConditionCode(), "016");
    PutDigits(ra, ra.Distance(), 3000);
    PutDigits(ra, ra.TrackCode(), kTracks[k]);
    if (k != 4) PutDigits(ra, ra.RegisteredCount(), 18);
    PutText(ra, ra.WeatherCode(), "1");
    PutText(ra, ra.TurfGoingCode(), "1");
    PutText(ra, ra.DirtGoingCode(), "3");

    SeRecord& se = ws->LoadedSe[0][0][k] = test::NewRecord<SeRecord>("SE");
    PutDigits(se, se.HorseNumber(), 1 + k);
    PutText(se, se.JockeyShortName(), "武豊");
    PutDigits(se, se.BodyWeight(), 452);
    PutDigits(se, se.FinishingPosition(), 1 + k);
    PutText(se, se.OpponentName(), "ソングオブウインド");
    PutText(se, se.TimeDifference(), "-005");
    if (k == 3) return;  // no weight carried, popularity, time, corners, prize or last 3 furlongs
    PutDigits(se, se.WeightCarried(), 570);
    PutDigits(se, se.RaceTime(), 3052);
    for (int i = 0; i < 4; ++i) PutDigits(se, se.CornerPosition(i), i == 1 ? 0 : 10 - i);
    PutDigits(se, se.Popularity(), 1);
    PutDigits(se, se.MainPrize(), 1120000);
    PutDigits(se, se.AddedPrize(), 5000);
    PutDigits(se, se.Last3Furlongs(), 339);
  }

  std::string Cell(int column, int row) const {
    const InfoGridSource source{*ws, 0, false};
    return Described(StringGrid4DrawCell(source, column, row, InfoCellSize(column, row), measure));
  }

  std::unique_ptr<WorkingSet> ws = std::make_unique<WorkingSet>();
  FixedPitchTextMeasure measure;
};

// Lines of `expected` missing from `drawn`, one per line.
std::string Missing(const std::string& drawn, const std::string& expected) {
  std::string missing;
  for (std::size_t at = 0; at < expected.size();) {
    const std::size_t end = expected.find('\n', at);
    const std::string line = expected.substr(at, end - at + 1);
    if (drawn.find(line) == std::string::npos) missing += line;
    at = end + 1;
  }
  return missing;
}

TEST_F(InfoGridTest, HeaderRow) {
  EXPECT_EQ(Cell(1, 0), R"(fill 192,192,192
2 2 10 0,0,0/192,192,192 6x13 | |
2 20 10 0,0,0/192,192,192 19x13 |No.|
line
)");
  EXPECT_EQ(Cell(2, 0), R"(fill 192,192,192
2 2 8 gridtext/192,192,192 11x11 |父|
220 2 8 0,0,0/192,192,192 44x11 |性齢毛色|
2 15 8 0,0,0/192,192,192 132x11 |馬記号  産地　　生年月日|
2 24 11b 0,0,0/192,192,192 30x15 |馬名|
2 39 8 0,0,0/192,192,192 11x11 |母|
170 39 8 0,0,0/192,192,192 22x11 |馬主|
2 50 8 0,0,0/192,192,192 22x11 |母父|
170 50 8 0,0,0/192,192,192 33x11 |生産者|
line
)");
  EXPECT_EQ(Cell(3, 0), R"(fill 192,192,192
2 2 9 gridtext/192,192,192 48x12 |負担重量|
2 34 9 gridtext/192,192,192 48x12 |調教師名|
line
)");
  EXPECT_EQ(Cell(4, 0), R"(fill 192,192,192
2 1 8 gridtext/192,192,192 44x11 |取得賞金|
2 11 8 gridtext/192,192,192 33x11 |総賞金|
2 21 8 gridtext/192,192,192 66x11 |入着回数(芝)|
2 31 8 gridtext/192,192,192 66x11 |入着回数(ダ)|
2 41 8 gridtext/192,192,192 66x11 |入着回数(障)|
line
)");
  for (const int c : {0, 5, 9}) EXPECT_EQ(Cell(c, 0), "line\n") << "column " << c << " keeps the grid's header text";
}

TEST_F(InfoGridTest, NumberColumn) {
  EXPECT_EQ(Cell(0, 1), "line\n");
  EXPECT_EQ(Cell(1, 1), R"(fill tooltip
2 2 11b 0,0,0/tooltip 15x15 | 1|
line
)");
  EXPECT_EQ(Cell(1, 2), R"(fill tooltip
2 2 11b 0,0,0/tooltip 15x15 | 2|
line
)") << "drawn without a horse master too";
}

TEST_F(InfoGridTest, ProfileColumn) {
  EXPECT_EQ(Cell(2, 1), R"(fill 255,255,255
2 2 8 gridtext/255,255,255 99x11 |サンデーサイレンス|
210 2 8 0,0,0/255,255,255 38x11 |牡3鹿毛|
2 15 8 0,0,0/255,255,255 115x11 |　早来町 2006.03.15生|
2 24 11b 0,0,0/255,255,255 135x15 |ディープインパクト|
2 39 8 0,0,0/255,255,255 110x11 |ウインドインハーヘア|
150 39 8 0,0,0/255,255,255 132x11 |金子真人ホールディングス|
2 50 8 0,0,0/255,255,255 44x11 |アルザオ|
150 50 8 0,0,0/255,255,255 88x11 |ノーザンファーム|
line
)") << "the breeder cut to 16 bytes";
  EXPECT_EQ(Cell(2, 2), "fill 255,255,255\n") << "no horse master: the white cell only, no bottom line";
}

TEST_F(InfoGridTest, WeightColumn) {
  EXPECT_EQ(Cell(3, 1), R"(fill 255,255,255
2 2 9 gridtext/255,255,255 36x12 |57.0kg|
2 34 9 gridtext/255,255,255 48x12 |藤沢和雄|
line
)");
  EXPECT_EQ(Cell(3, 3), R"(fill 255,255,255
2 2 9 gridtext/255,255,255 6x12 | |
2 34 9 gridtext/255,255,255 48x12 |藤沢和雄|
line
)") << "no burden weight yet";
}

TEST_F(InfoGridTest, PrizeColumn) {
  const std::string flat = R"(fill 255,255,255
2 2 8 gridtext/255,255,255 66x11 |   11001千円|
2 13 8 gridtext/255,255,255 66x11 |   10002千円|
2 24 8 gridtext/255,255,255 60x11 | 3- 6- 9-45|
2 35 8 gridtext/255,255,255 60x11 |12-15-18-72|
2 46 8 gridtext/255,255,255 60x11 | 6- 7- 8-30|
line
)";
  EXPECT_EQ(Cell(4, 1), flat);
  EXPECT_EQ(Cell(4, 2), "fill 255,255,255\n");

  PutText(ws->LoadedTk[0], ws->LoadedTk[0].TrackCode(), "51");
  std::string jump = flat;
  jump.replace(jump.find("   11001"), 8, "    6000");  // the jump prize total alone
  EXPECT_EQ(Cell(4, 1), jump);
}

TEST_F(InfoGridTest, PastRaceColumns) {
  // The most recent race: a named turf race won.
  EXPECT_EQ(Cell(5, 1), R"(fill 255,255,255
2 2 8 gridtext/255,255,255 82x11 |4京都2009.10.25|
89 2 8 gridtext/255,255,255 60x11 |G1   菊花賞|
2 13 8 gridtext/255,255,255 55x11 |18頭①3000|
57 13 8 0,128,0/255,255,255 22x11 |芝直|
79 13 8 0,0,0/255,255,255 27x11 |晴 良|
2 24 8 0,0,0/255,255,255 110x11 |武豊     57.0kg  1人|
2 35 8 0,0,0/255,255,255 22x11 |3052|
31 35 9 0,0,0/255,255,255 12x12 |⑩|
43 35 9 0,0,0/255,255,255 12x12 |－|
55 35 9 0,0,0/255,255,255 12x12 |⑧|
67 35 9 0,0,0/255,255,255 12x12 |⑦|
79 35 8 0,0,0/255,255,255 38x11 | 3F:339|
2 46 8 0,0,0/255,255,255 88x11 |452kg 112500千円|
121 46 9b 255,0,0/255,255,255 12x12 | 1|
2 58 8 0,0,0/255,255,255 126x11 |ソングオブウインド- 0.5|
line
)");
  // The others: only what differs from the first.
  EXPECT_EQ(Missing(Cell(6, 1), R"(89 2 8 gridtext/255,255,255 44x11 |1600万下|
2 13 8 gridtext/255,255,255 55x11 |18頭②3000|
57 13 8 128,0,0/255,255,255 22x11 |ダ左|
79 13 8 0,0,0/255,255,255 27x11 |晴 重|
121 46 9b 0,0,255/255,255,255 12x12 | 2|
)"),
            "");
  EXPECT_EQ(Missing(Cell(7, 1), R"(57 13 8 0,0,0/255,255,255 22x11 |障害|
79 13 8 0,0,0/255,255,255 22x11 |晴  |
121 46 9b 0,0,255/255,255,255 12x12 | 3|
)"),
            "")
      << "a jump race: black track, blank going";
  EXPECT_EQ(Cell(8, 1), R"(fill 255,255,255
2 2 8 gridtext/255,255,255 82x11 |4京都2009.10.25|
89 2 8 gridtext/255,255,255 44x11 |1600万下|
2 13 8 gridtext/255,255,255 55x11 |18頭④3000|
57 13 8 0,128,0/255,255,255 22x11 |芝右|
79 13 8 0,0,0/255,255,255 27x11 |晴 良|
2 24 8 0,0,0/255,255,255 121x11 |武豊                  |
2 35 8 0,0,0/255,255,255 22x11 |    |
24 35 8 0,0,0/255,255,255 5x11 | |
2 46 8 0,0,0/255,255,255 71x11 |452kg        |
121 46 9b 0,0,0/255,255,255 12x12 | 4|
2 58 8 0,0,0/255,255,255 126x11 |ソングオブウインド- 0.5|
line
)") << "no weight carried, popularity, time, corners, prize or last 3 furlongs";
  EXPECT_EQ(Missing(Cell(9, 1), R"(2 13 8 gridtext/255,255,255 22x11 |3000|
24 13 8 128,0,0/255,255,255 22x11 |ダ右|
46 13 8 0,0,0/255,255,255 27x11 |晴 重|
121 46 9b 0,0,0/255,255,255 12x12 | 5|
)"),
            "")
      << "no field size: the distance alone";

  EXPECT_EQ(Cell(5, 2), "") << "no horse master: nothing over the grid's background";
  EXPECT_EQ(Cell(5, 3), "line\n") << "no past race: the bottom line only";
  PutText(ws->LoadedRa[0][0][0], ws->LoadedRa[0][0][0].Year(), "0000");
  EXPECT_EQ(Cell(5, 1), "line\n") << "a year of 0000 is no past race";
}

// Races of today's records: a listed race whose horse could not be weighed,
// a class named by wins, and the field of the horses that ran.
TEST_F(InfoGridTest, PastRacesOfTheCurrentSeason) {
  for (int k : {0, 1}) {
    RaRecord& ra = ws->LoadedRa[0][0][k];
    PutText(ra, ra.RaceDate(), "20230610");
    PutDigits(ra, ra.StarterCount(), 16);
    PutText(ra, ra.GradeCode(), "L");
    PutText(ra, ra.ConditionCode(), "010");
    SeRecord& se = ws->LoadedSe[0][0][k];
    PutDigits(se, se.BodyWeight(), k == 0 ? 999 : 0);
  }
  EXPECT_EQ(Missing(Cell(5, 1), R"(89 2 8 gridtext/255,255,255 60x11 |L    菊花賞|
2 13 8 gridtext/255,255,255 55x11 |16頭①3000|
2 46 8 0,0,0/255,255,255 88x11 |      112500千円|
)"),
            "");
  EXPECT_EQ(Missing(Cell(6, 1), R"(89 2 8 gridtext/255,255,255 44x11 |2勝ｸﾗｽ  |
2 46 8 0,0,0/255,255,255 88x11 |      112500千円|
)"),
            "");
}

}  // namespace
}  // namespace torvane
