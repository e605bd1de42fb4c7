// The race list entries, the race header labels and stepping.
#include <gtest/gtest.h>

#include "browse/RaceHeader.h"
#include "browse/RaceList.h"
#include "jvdata/RecordBuilder.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

TkRecord Tk(const std::string& bytes) {
  TkRecord tk;
  tk.Assign(bytes);
  return tk;
}

TEST(RaceListTest, EntryTextShowsMeetingAndDayAsStoredAndTheRaceInTwoPlaces) {
  EXPECT_EQ(RaceListEntryText(Tk(test::TkRecordOf("20040105", "06", 9, "000", {}, "05", "08"))), "中山  05回 08日 9R");
  EXPECT_EQ(RaceListEntryText(Tk(test::TkRecordOf("20040105", "05", 11, "000", {}, "01", "12"))), "東京  01回 12日11R");
}

TEST(RaceListTest, OnlySlotsWithAYearAreListed) {
  std::string bytes = test::TkRecordOf("20040105", "06", 9, "000");
  EXPECT_TRUE(HasRaceYear(Tk(bytes)));
  for (const char* year : {"0000", "    ", " 000"}) {
    bytes.replace(11, 4, year);
    EXPECT_EQ(HasRaceYear(Tk(bytes)), std::string_view(year) == " 000") << year;
  }
  TkRecord blank;
  blank.Blank();
  EXPECT_FALSE(HasRaceYear(blank));
}

TEST(RaceListTest, StepsStayWithinTheListAndNeedTwoEntries) {
  EXPECT_EQ(StepRace(3, 0, +1), 1);
  EXPECT_EQ(StepRace(3, 1, -1), 0);
  EXPECT_EQ(StepRace(3, 2, +1), std::nullopt) << "no step past the last race";
  EXPECT_EQ(StepRace(3, 0, -1), std::nullopt) << "no step before the first race";
  EXPECT_EQ(StepRace(1, 0, +1), std::nullopt);
  EXPECT_EQ(StepRace(0, 0, -1), std::nullopt);
  EXPECT_EQ(StepRace(3, 9, +1), 2) << "arrows left beyond a shorter new list come back into it";
}

std::string HeaderTk() {
  RecordBuilder tk("TK");
  tk.Raw(12, "20040105").Raw(20, "06").Raw(22, "01").Raw(24, "02").Raw(26, "11");
  tk.Text(33, 60, "中山金杯").Raw(615, "C").Raw(621, "1").Raw(634, "999").Raw(637, "2000").Raw(641, "17");
  tk.Raw(645, "20031229").Raw(653, "018");
  return tk.Bytes();
}

TEST(RaceHeaderTest, LabelsOfARace) {
  const RaceHeaderLabels labels = RaceHeaderLabelsOf(Tk(HeaderTk()));
  EXPECT_EQ(labels.Label3D1, "中山");
  EXPECT_EQ(labels.Label3D2, "11");
  EXPECT_EQ(labels.Label3D3, "2004年01月05日中山 1回 2日");
  EXPECT_EQ(labels.Label3D4, "中山金杯" + std::string(52, ' ')) << "the name as stored, trailing blanks included";
  EXPECT_EQ(labels.Label3D5, "ﾊﾝﾃﾞ");
  EXPECT_EQ(labels.Label3D6, "オープン");
  EXPECT_EQ(labels.Label3D7, "芝右");
  EXPECT_EQ(labels.Label3D8, "2000m");
  EXPECT_EQ(labels.Label3D9, "ﾊﾝﾃﾞ発表日:12月29日");
  EXPECT_EQ(labels.Label3D110, " 18頭");
  EXPECT_EQ(labels.Label3D115, "G3   ");
}

TEST(RaceHeaderTest, TwoDigitDaysAndAbsentHandicapDates) {
  std::string bytes = HeaderTk();
  bytes.replace(21, 4, "1012");  // meeting 10, day 12
  bytes.replace(648, 2, "00");
  RaceHeaderLabels labels = RaceHeaderLabelsOf(Tk(bytes));
  EXPECT_EQ(labels.Label3D3, "2004年01月05日中山 10回 12日");
  EXPECT_EQ(labels.Label3D9, "");
  bytes.replace(648, 2, "  ");
  EXPECT_EQ(RaceHeaderLabelsOf(Tk(bytes)).Label3D9, "");
  bytes.replace(652, 3, "000");
  EXPECT_EQ(RaceHeaderLabelsOf(Tk(bytes)).Label3D110, "   頭");
}

}  // namespace
}  // namespace torvane
