#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "browse/DateLoader.h"
#include "browse/HorseFinder.h"
#include "browse/KanaFold.h"
#include "browse/infogrid/InfoGrid.h"
#include "codes/KeibaFunc.h"
#include "racetext/PastRaceText.h"
#include "tests/browse/InfoGridRecords.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

constexpr std::string_view kBlood = "2007100001";

test::HorseEntry Horse(std::string_view blood, std::string_view name, std::string_view number = "001") {
  test::HorseEntry horse;
  horse.bloodNumber = std::string(blood);
  horse.name = std::string(name);
  horse.runningNumber = std::string(number);
  return horse;
}

class HorseFinderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::HorseEntry other = Horse("2007100002", "ギンガミライ", "002");
    test::WriteDateFile(dir.Path(), "2010年01月05日",
                        {test::TkRecordOf("20100105", "06", 9, "001", {other}),
                         test::TkRecordOf("20100105", "06", 11, "002", {other, Horse(kBlood, "サクラガール")})});
    test::WriteDateFile(dir.Path(), "2010年01月10日",
                        {test::TkRecordOf("20100110", "05", 10, "001", {Horse(kBlood, "サクラガール")})});
  }

  test::TempDir dir;
  std::vector<LoadWarning> warnings;
};

TEST_F(HorseFinderTest, NominationsAcrossTheDateFilesOldestFirst) {
  const std::vector<Nomination> found = NominationsOf(dir.Path(), kBlood, warnings);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].day.Text(), "2010年01月05日");
  EXPECT_EQ(found[0].slot, 1);
  EXPECT_EQ(found[0].entry, 1);
  EXPECT_EQ(found[0].courseName, "中山");
  EXPECT_EQ(found[0].raceNumber, 11);
  EXPECT_EQ(found[0].burdenWeight, "55.0kg");
  EXPECT_EQ(found[1].day.Text(), "2010年01月10日");
  EXPECT_EQ(found[1].courseName, "東京");
  EXPECT_TRUE(NominationsOf(dir.Path(), "2099000000", warnings).empty());
  EXPECT_TRUE(NominationsOf(dir.Path(), "../../x", warnings).empty());
  EXPECT_TRUE(warnings.empty());
}

TEST_F(HorseFinderTest, SearchFoldsKanaAndGivesTheNewestNomination) {
  EXPECT_EQ(FoldKana("ｻｸﾗｶﾞｰﾙ ﾊﾟ"), FoldKana("サクラガール パ"));
  EXPECT_EQ(FoldKana("さくらがーる"), FoldKana("サクラガール"));
  EXPECT_EQ(FoldKana("ｳﾞｨｸﾄﾘｰ"), U"ヴィクトリー");
  EXPECT_EQ(FoldKana("ｱﾞ"), U"ア゛") << "a mark that joins nothing stays";
  EXPECT_EQ(FoldKana("ｇ１abc"), U"G1ABC");

  for (const char* text : {"ｶﾞｰﾙ", "くらが", "ラガ"}) {
    const std::vector<HorseMatch> matches = SearchHorses(dir.Path(), text, warnings);
    ASSERT_EQ(matches.size(), 1u) << text;
    EXPECT_EQ(matches[0].bloodNumber, kBlood);
    EXPECT_EQ(matches[0].newest.horseName, "サクラガール");
    EXPECT_EQ(matches[0].newest.day.Text(), "2010年01月10日");
  }
  const std::vector<HorseMatch> both = SearchHorses(dir.Path(), "ら", warnings);
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0].bloodNumber, kBlood) << "newest nomination first";
  EXPECT_TRUE(SearchHorses(dir.Path(), "　 ", warnings).empty());
}

// The horse window's rows and the career command show what the grid's
// past-race cells draw: the same texts, race for race.
TEST_F(HorseFinderTest, CareerRowsAreTheGridsPastRaceTexts) {
  std::vector<std::string> results;
  for (int race = 1; race <= 2; ++race) {
    SeRecord se;
    se.Assign(test::SeRecordOf(kBlood, race == 1 ? "20091101" : "20091220", "05", race, 3 + race));
    test::PutText(se, se.JockeyShortName(), "岡部");
    test::PutDigits(se, se.WeightCarried(), 560);
    test::PutDigits(se, se.FinishingPosition(), race);
    test::PutBytes(se, se.RaceTime(), "1334");
    test::PutDigits(se, se.CornerPosition(2), 7);
    test::PutBytes(se, se.Last3Furlongs(), "345");
    test::PutDigits(se, se.MainPrize(), 150000);
    test::PutText(se, se.OpponentName(), "ライバル");
    results.emplace_back(se.View());
  }
  test::WriteSeFile(dir.Path(), kBlood, results);
  RaRecord ra;
  ra.Assign(test::RaRecordOf("20091220", "05", 2, 16));
  test::PutBytes(ra, ra.TrackCode(), "24");
  test::PutBytes(ra, ra.Distance(), "1600");
  test::WriteRaFile(dir.Path(), "20091220", "05", {std::string(ra.View())});

  const std::vector<CareerRace> career = CareerOf(dir.Path(), kBlood, warnings);
  ASSERT_EQ(career.size(), 2u);
  EXPECT_EQ(ReadCodeNumber(career[0].result.FinishingPosition()), 2) << "newest first";
  EXPECT_TRUE(IsRaceDetailAbsent(career[1].detail));
  EXPECT_EQ(PastRaceTextsOf(career[1].result, career[1].detail).dateAndCourse, "1東京2009.11.01")
      << "a race without its detail still tells when and where";

  auto ws = std::make_unique<WorkingSet>();
  SilentProgress progress;
  LoadDate(*ws, dir.Path(), test::DateOf("2010年01月10日"), progress);
  const FixedPitchTextMeasure measure;
  const CellDrawing cell = StringGrid4DrawCell({*ws, 0, false}, kInfoFirstPastRaceColumn, 1,
                                               InfoCellSize(kInfoFirstPastRaceColumn, 1), measure);
  std::string drawn;
  for (const CellText& text : cell.texts) drawn += text.text;
  std::string listed;
  for (const std::string& field : PastRaceFields(PastRaceTextsOf(career[0].result, career[0].detail))) listed += field;
  EXPECT_EQ(listed, drawn);
  EXPECT_NE(listed.find("ダ"), std::string::npos);

  const std::string clipboard = CareerClipboardText("サクラガール\t" + std::string(kBlood), career);
  EXPECT_EQ(clipboard.substr(0, clipboard.find("\r\n")), "サクラガール\t2007100001");
  EXPECT_EQ(std::count(clipboard.begin(), clipboard.end(), '\n'), 3);
  EXPECT_TRUE(warnings.empty());
}

}  // namespace
}  // namespace torvane
