// The information print's pages over a working set built in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "browse/infogrid/InfoGrid.h"
#include "codes/KeibaFunc.h"
#include "jvdata/PlainText.h"
#include "jvdata/RecordBuilder.h"
#include "print/InfoPrint.h"
#include "print/RecordingCanvas.h"
#include "tests/browse/InfoGridRecords.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

using Lines = std::vector<std::string>;

// The lines of page p (1-based), without its "page" line.
Lines PageLines(const RecordingCanvas& canvas, int p) {
  Lines page;
  int current = 0;
  for (const std::string& line : canvas.Lines()) {
    if (line.rfind("page\t", 0) == 0) {
      current = std::stoi(line.substr(5));
      continue;
    }
    if (current == p) page.push_back(line);
  }
  return page;
}

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int CountPrefix(const Lines& lines, const std::string& prefix) {
  return static_cast<int>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

std::string Text(int x, int y, const std::string& face, int size, const std::string& style, const std::string& back,
                 const std::string& text, const std::string& colour = "#000000") {
  return "text\t" + std::to_string(x) + "\t" + std::to_string(y) + "\t" + face + "\t" + std::to_string(size) + "\t" +
         style + "\t" + colour + "\t" + back + "\t" + text;
}

class InfoPrintTest : public ::testing::Test {
 protected:
  void SetRace(int horses, int raceNumber = 11, std::string_view track = "17") {
    std::vector<test::HorseEntry> entries(static_cast<std::size_t>(horses));
    for (int h = 0; h < horses; ++h) {
      entries[h].runningNumber = (h + 1 < 10 ? "00" : h + 1 < 100 ? "0" : "") + std::to_string(h + 1);
      entries[h].name = "ホース　" + std::to_string(h + 1);
    }
    const std::string count = std::string(horses < 10 ? "00" : horses < 100 ? "0" : "") + std::to_string(horses);
    RecordBuilder tk("TK");
    tk.Raw(1, test::TkRecordOf("20050417", "06", raceNumber, count, entries, "03", "08").substr(0, 21655));
    tk.Text(33, 60, "皐月賞").Raw(621, "1").Raw(634, "999").Raw(637, "2000").Raw(641, track).Raw(16, "0417");
    ws->LoadedTk[0].Assign(tk.Bytes());
  }
  // The horse master in the older layout (1577 bytes) or the current one (1609).
  void SetFlaggedHorse(int h, bool currentLayout = false) {
    ws->EntryLoaded[0][h] = 1;
    const auto at = [currentLayout](int older, int current) { return currentLayout ? current : older; };
    RecordBuilder um("UM", currentLayout ? 1609 : 1577);
    um.Raw(39, "20020315").Raw(203, "03").Text(at(213, 215), 36, "サンデー　サイレンス").Text(at(257, 261), 36, "母馬");
    um.Text(at(389, 399), 36, "母父馬").Text(at(827, 855), 8, "調教師").Text(at(861, 891), at(70, 72), "生産牧場");
    um.Text(at(931, 963), 20, "日高").Text(at(957, 989), 64, "馬主");
    for (int i = 0; i < 6; ++i) um.Digits(at(1021, 1053) + 9 * i, 9, 1000 * (i + 1));
    um.Raw(at(1111, 1143), "001002003004005006").Raw(at(1129, 1161), "001000000000000000");
    um.Raw(at(1219, 1251), "000000000000001000");
    ws->LoadedUm[0][h].Assign(um.Bytes());
  }
  void SetPastRace(int h, int k, std::string_view time = "1595", std::string_view last3f = "345",
                   std::string_view finish = "03", std::string_view shortName = "") {
    RecordBuilder ra("RA");
    ra.Raw(16, "0306").Raw(20, "06").Raw(22, "02").Raw(605, "      ").Text(605, 6, shortName).Raw(615, "A");
    ra.Raw(635, "703").Raw(698, "1800").Raw(706, "11").Raw(882, "16").Raw(888, "1").Raw(889, "1");
    ws->LoadedRa[0][h][k].Assign(ra.Bytes());
    RecordBuilder se("SE");
    se.Raw(29, "05").Raw(289, "560").Text(307, 8, "武豊").Raw(325, "480").Raw(335, finish).Raw(339, time);
    se.Raw(352, "01020304").Raw(364, "02").Raw(366, "00012345").Raw(374, "00000005").Raw(391, last3f);
    se.Text(404, 36, "アイウエオカキクケコ").Raw(532, "0003");
    ws->LoadedSe[0][h][k].Assign(se.Bytes());
  }
  RecordingCanvas Record() {
    RecordingCanvas canvas;
    RecordInfoPrint(canvas, *ws, 0);
    return canvas;
  }

  std::unique_ptr<WorkingSet> ws = std::make_unique<WorkingSet>();
};

TEST_F(InfoPrintTest, PagesHoldEighteenBlocksEach) {
  const struct {
    int horses;
    std::vector<int> rows;
  } cases[] = {{1, {1}},
               {18, {18}},
               {19, {18, 1}},
               {36, {18, 18}},
               {300, {18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 12}}};
  for (const auto& c : cases) {
    SetRace(c.horses);
    const RecordingCanvas canvas = Record();
    ASSERT_EQ(canvas.PageCount(), static_cast<int>(c.rows.size())) << c.horses;
    for (std::size_t p = 0; p < c.rows.size(); ++p) {
      const Lines page = PageLines(canvas, static_cast<int>(p) + 1);
      const int rows = c.rows[p];
      EXPECT_EQ(CountPrefix(page, "line\t100\t"), rows) << c.horses << " page " << p + 1;
      EXPECT_TRUE(Has(page, "rect\t100\t280\t1990\t" + std::to_string(406 + 126 * rows) + "\t20\tclear"));
      EXPECT_TRUE(Has(page, Text(1800, 50, "ＭＳ ゴシック", 9, "bu", "#ffffff", "Page" + std::to_string(p + 1))));
      // The last block on the page shows the horse 18 p + rows.
      const int last = 18 * static_cast<int>(p) + rows;
      const std::string number = (last < 10 ? "  " : last < 100 ? " " : "") + std::to_string(last);
      EXPECT_TRUE(Has(page, Text(110, 280 + 126 * rows + 20, "ＭＳ ゴシック", 11, "-", "clear", number))) << last;
    }
  }
}

TEST_F(InfoPrintTest, NoHorsesGivesOneBlankPage) {
  SetRace(0);
  const RecordingCanvas canvas = Record();
  EXPECT_EQ(canvas.Lines(), Lines{"page\t1"});
}

TEST_F(InfoPrintTest, HeaderWithRaceNumberBox) {
  SetRace(2, 11);
  Lines page = PageLines(Record(), 1);
  const Lines header(page.begin(), page.begin() + 13);
  EXPECT_EQ(header, (Lines{
                        Text(1800, 50, "ＭＳ ゴシック", 9, "bu", "#ffffff", "Page1"),
                        Text(210, 220, "ＭＳ ゴシック", 10, "b", "#ffffff", "ﾚｰｽ"),
                        Text(100, 95, "ＭＳ ゴシック", 20, "b", "#ffffff", "中山"),
                        "rect\t100\t170\t180\t250\t10\t#000000",
                        Text(105, 175, "ＭＳ ゴシック", 20, "b", "#000000", "11", "#ffffff"),
                        Text(300, 90, "ＭＳ ゴシック", 11, "b", "#ffffff", "2005年 4月17日中山 3回 8日"),
                        Text(300, 135, "ＭＳ ゴシック", 10, "-", "#ffffff", "皐月賞" + std::string(54, ' ')),
                        Text(300, 170, "ＭＳ ゴシック", 10, "-", "#ffffff", " 2頭"),
                        Text(500, 170, "ＭＳ ゴシック", 10, "-", "#ffffff", WeightTypeName("1")),
                        Text(800, 170, "ＭＳ ゴシック", 10, "-", "#ffffff", ConditionName("999", "20050417")),
                        Text(1100, 170, "ＭＳ ゴシック", 10, "-", "#ffffff", TrackName("17")),
                        Text(1300, 170, "ＭＳ ゴシック", 10, "-", "#ffffff", "2000m"),
                        "line\t300\t210\t1650\t210\t10",
                    }));
  SetRace(2, 9);
  page = PageLines(Record(), 1);
  EXPECT_EQ(page[4], Text(120, 175, "ＭＳ ゴシック", 20, "b", "#000000", "9", "#ffffff"));
}

TEST_F(InfoPrintTest, FrameAroundThreeRows) {
  SetRace(3);
  const Lines page = PageLines(Record(), 1);
  const Lines frame(page.begin() + 13, page.begin() + 13 + 11);
  EXPECT_EQ(frame,
            (Lines{"rect\t100\t280\t1990\t406\t20\t#c0c0c0", "rect\t100\t280\t1990\t784\t20\tclear",
                   "line\t180\t280\t180\t784\t5", "line\t635\t280\t635\t784\t5", "line\t750\t280\t750\t784\t5",
                   "line\t890\t280\t890\t784\t5", "line\t1110\t380\t1110\t784\t5", "line\t1330\t380\t1330\t784\t5",
                   "line\t1550\t380\t1550\t784\t5", "line\t1770\t380\t1770\t784\t5", "line\t890\t380\t1990\t380\t5"}));
  EXPECT_EQ(page.back(), Text(1773, 382, "ＭＳ Ｐゴシック", 6, "-", "clear", "前走-5"));
}

TEST_F(InfoPrintTest, BlockWithoutFlagShowsNumberNameAndWeightOnly) {
  SetRace(1);
  const Lines page = PageLines(Record(), 1);
  const Lines block(page.begin() + 24, page.begin() + 28);
  EXPECT_EQ(block, (Lines{"line\t100\t406\t1990\t406\t1", Text(110, 426, "ＭＳ ゴシック", 11, "-", "clear", "  1"),
                          Text(205, 459, "ＭＳ Ｐゴシック", 9, "-", "clear", "ホース1"),
                          Text(640, 436, "ＭＳ Ｐゴシック", 6, "-", "clear", "55.0kg")}));
  EXPECT_EQ(page[28], Text(125, 300, "ＭＳ ゴシック", 11, "-", "clear", "連"));
}

TEST_F(InfoPrintTest, BlockWithFlagShowsProfileAndPastRaces) {
  for (const bool currentLayout : {false, true}) {
    SCOPED_TRACE(currentLayout ? "current horse master layout" : "older horse master layout");
    SetRace(1, 11, "52");
    SetFlaggedHorse(0, currentLayout);
    SetPastRace(0, 1);
    const Lines page = PageLines(Record(), 1);
    const int T = 406;
    const std::string pg = "ＭＳ Ｐゴシック", g = "ＭＳ ゴシック";
    for (const std::string& line : Lines{
             Text(530, T + 5, pg, 7, "-", "clear", "牡4" + HairColorName("03")),
             Text(205, T + 5, pg, 6, "-", "clear", "サンデーサイレンス"),
             Text(205, T + 30, pg, 6, "-", "clear", HorseMarkName("00") + "日高 2002.03.15生"),
             Text(205, T + 83, pg, 6, "-", "clear", "母馬"),
             Text(205, T + 103, pg, 6, "-", "clear", "母父馬"),
             Text(470, T + 83, pg, 6, "-", "clear", "馬主"),
             Text(470, T + 103, pg, 6, "-", "clear", "生産牧場"),
             Text(640, T + 90, pg, 6, "-", "clear", "調教師  "),
             // A jump race earns the last prize total only: 6000 / 10.
             Text(750, T + 5, g, 6, "-", "clear", "     600千円"),
             // The earned prizes are no money won: (1000 + 2000 + 3000 + 4000) / 10.
             Text(750, T + 25, g, 6, "-", "clear", "    1000千円"),
             Text(750, T + 45, g, 6, "-", "clear", " 2- 2- 3-15"),
             Text(750, T + 85, g, 6, "-", "clear", " 0- 0- 0- 1"),
             Text(1113, T + 2, pg, 6, "-", "clear", "2中山 03.06 " + ConditionName("703", "20050306")),
             Text(1113, T + 22, pg, 6, "-", "clear",
                  "16頭⑤1800" + TrackName("11") + WeatherName("1") + GoingName("1", 0)),
             Text(1113, T + 42, pg, 6, "-", "clear", "武豊    56.0Kg  2人"),
             Text(1113, T + 62, pg, 6, "-", "clear", "1595①②③④3F345"),
             Text(1113, T + 82, pg, 6, "-", "clear", "480Kg 1,235千円  "),
             Text(1113, T + 102, pg, 6, "-", "clear", "アイウエオカキクケ" + FormatTimeDiff("0003")),
             Text(1293, T + 77, pg, 8, "b", "clear", " 3"),
         })
      EXPECT_TRUE(Has(page, line)) << line;
    // Only past race 1 is filled: column 0 and 2..4 stay empty.
    EXPECT_EQ(CountPrefix(page, "text\t893\t"), 1);  // its band title only
    EXPECT_EQ(CountPrefix(page, "text\t1113\t"), 7);
  }
}

TEST_F(InfoPrintTest, PastRaceLineRules) {
  SetRace(1);
  SetFlaggedHorse(0);
  SetPastRace(0, 0, "0000", "999", "00", "皐月賞");
  const Lines page = PageLines(Record(), 1);
  const std::string pg = "ＭＳ Ｐゴシック";
  EXPECT_TRUE(Has(page, Text(893, 408, pg, 6, "-", "clear", "2中山 03.06 " + GradeName("A", 1) + "皐月賞")));
  EXPECT_TRUE(Has(page, Text(893, 468, pg, 6, "-", "clear", "----①②③④3F---")));
  EXPECT_TRUE(Has(page, Text(1073, 483, pg, 8, "b", "clear", "-")));
  SetPastRace(0, 0, "1595", "000");
  EXPECT_TRUE(Has(PageLines(Record(), 1), Text(893, 468, pg, 6, "-", "clear", "1595①②③④3F---")));
}

// A race of today's records: a class named by wins, the horses that ran,
// a horse that could not be weighed.
TEST_F(InfoPrintTest, PastRaceOfTheCurrentSeason) {
  SetRace(1);
  SetFlaggedHorse(0);
  SetPastRace(0, 0);
  RaRecord& ra = ws->LoadedRa[0][0][0];
  test::PutText(ra, ra.Year(), "2023");
  test::PutText(ra, ra.ConditionCode(), "005");
  test::PutText(ra, ra.StarterCount(), "14");
  SeRecord& se = ws->LoadedSe[0][0][0];
  test::PutText(se, se.BodyWeight(), "999");
  const Lines page = PageLines(Record(), 1);
  const std::string pg = "ＭＳ Ｐゴシック";
  EXPECT_TRUE(Has(page, Text(893, 408, pg, 6, "-", "clear", "2中山 03.06 1勝ｸﾗｽ  ")));
  EXPECT_TRUE(Has(
      page, Text(893, 428, pg, 6, "-", "clear", "14頭⑤1800" + TrackName("11") + WeatherName("1") + GoingName("1", 0))));
  EXPECT_TRUE(Has(page, Text(893, 488, pg, 6, "-", "clear", " 1,235千円  ")));
}

// The grid and the print decide differently whether a past race is there: the
// grid by its year, the print by its racecourse code. Both write two blanks
// after the weather of a jump race (the grid puts one between weather and
// going, and its going is one blank).
TEST_F(InfoPrintTest, GridAndPrintTellAPastRaceByDifferentFields) {
  SetRace(1);
  SetFlaggedHorse(0);
  SetPastRace(0, 1);
  RaRecord& ra = ws->LoadedRa[0][0][1];
  const FixedPitchTextMeasure measure;
  const auto gridTexts = [&] {
    std::vector<std::string> texts;
    for (const CellText& t : StringGrid4DrawCell({*ws, 0, false}, 6, 1, InfoCellSize(6, 1), measure).texts)
      texts.push_back(t.text);
    return texts;
  };
  const auto printTexts = [&] { return CountPrefix(PageLines(Record(), 1), "text\t1113\t"); };

  ASSERT_TRUE(TrimBlanks(ra.Year()).empty());
  EXPECT_TRUE(gridTexts().empty()) << "no year: no race in the grid";
  EXPECT_EQ(printTexts(), 7) << "a racecourse code: a race in the print (its band title and lines)";

  test::PutText(ra, ra.Year(), "2005");
  test::PutText(ra, ra.TrackCode(), "52");
  test::PutText(ra, ra.CourseCode(), "");
  EXPECT_EQ(printTexts(), 1) << "no racecourse code: no race in the print (its band title only)";
  const std::vector<std::string> grid = gridTexts();
  ASSERT_EQ(grid.size(), 15u) << "a year: a race in the grid";
  EXPECT_EQ(grid[4], WeatherName("1") + "  ");

  test::PutText(ra, ra.CourseCode(), "06");
  EXPECT_TRUE(Has(PageLines(Record(), 1), Text(1113, 428, "ＭＳ Ｐゴシック", 6, "-", "clear",
                                               "16頭⑤1800" + TrackName("52") + WeatherName("1") + "  ")));
}

}  // namespace
}  // namespace torvane
