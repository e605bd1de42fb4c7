#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "browse/RaceBrowser.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

class RaceBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string noYear = test::TkRecordOf("20040105", "06", 2, "000");
    noYear.replace(11, 4, "0000");
    test::HorseEntry horse;
    horse.name = "スリーホース";
    test::WriteDateFile(dir.Path(), "2004年01月05日",
                        {test::TkRecordOf("20040105", "06", 1, "001"), noYear,
                         test::TkRecordOf("20040105", "06", 3, "002", {horse, horse})});
    test::WriteDateFile(dir.Path(), "2004年01月10日", {test::TkRecordOf("20040110", "05", 7, "001")});
  }
  LoadResult Choose(std::string_view dateUtf8) { return browser.ChooseDate(test::DateOf(dateUtf8), progress); }

  test::TempDir dir;
  std::unique_ptr<WorkingSet> ws = std::make_unique<WorkingSet>();
  RaceBrowser browser{*ws, dir.Path()};
  SilentProgress progress;
};

TEST_F(RaceBrowserTest, ARaceListEntryShowsItsOwnSlot) {
  Choose("2004年01月05日");
  ASSERT_EQ(ws->RaceList.size(), 2u);
  browser.ChooseRace(1);
  EXPECT_EQ(browser.SelectedRace(), 2) << "slot 1 has no list entry; entry 1 is slot 2";
  EXPECT_EQ(browser.Labels().Label3D2, " 3");
  EXPECT_EQ(browser.ListGrid().RowCount(), 3);
  EXPECT_EQ(browser.ListGrid().Cell(1, 2), "スリーホース");
  EXPECT_EQ(browser.ArrowPosition(), 1);
  EXPECT_THROW(browser.ChooseRace(2), std::out_of_range);
  EXPECT_THROW(browser.ChooseRace(-1), std::out_of_range);
}

TEST_F(RaceBrowserTest, TheArrowsStepWithinTheRaceList) {
  Choose("2004年01月05日");
  browser.ChooseRace(0);
  EXPECT_EQ(browser.Step(+1), 1);
  EXPECT_EQ(browser.SelectedRace(), 2);
  EXPECT_EQ(browser.Step(+1), std::nullopt);
  EXPECT_EQ(browser.SelectedRace(), 2);
  EXPECT_EQ(browser.Step(-1), 0);
  EXPECT_EQ(browser.SelectedRace(), 0);

  Choose("2004年01月10日");
  EXPECT_EQ(browser.Step(+1), std::nullopt) << "one race: the arrows do nothing";
}

TEST_F(RaceBrowserTest, ANewDateOrDateListShowsNoRaceUntilOneOfItsRacesIsChosen) {
  Choose("2004年01月05日");
  browser.ChooseRace(1);
  EXPECT_TRUE(browser.ClipboardText().starts_with("2004年01月05日\r\n中山  05回 08日 3R\r\nNo.\t"));
  Choose("2004年01月10日");
  EXPECT_FALSE(browser.RaceOnShow());
  EXPECT_EQ(browser.ClipboardText(), "2004年01月10日\r\n") << "no horses of the race shown before";
  EXPECT_EQ(browser.Labels().Label3D3, "");
  EXPECT_EQ(browser.ListGrid().RowCount(), 2);
  EXPECT_EQ(browser.ListGrid().Cell(1, 1), "");
  browser.ChooseRace(0);
  EXPECT_TRUE(browser.RaceOnShow());

  browser.ForgetDate();
  EXPECT_FALSE(browser.RaceOnShow());
  EXPECT_TRUE(ws->RaceList.empty());
  EXPECT_EQ(browser.ClipboardText(), "");
}

TEST_F(RaceBrowserTest, AMissingDateKeepsTheSelection) {
  Choose("2004年01月05日");
  browser.ChooseRace(1);
  EXPECT_EQ(Choose("2004年02月01日").status, LoadStatus::DateFileMissing);
  EXPECT_EQ(browser.SelectedListIndex(), 1);
  EXPECT_EQ(browser.SelectedRace(), 2);
}

}  // namespace
}  // namespace torvane
