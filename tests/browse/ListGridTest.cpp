// The registered horse list's cell texts and its clipboard copy.
#include <gtest/gtest.h>

#include "browse/ListGrid.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

using test::HorseEntry;

TkRecord Tk(const std::vector<HorseEntry>& horses, std::string_view count, std::string_view date = "20040105") {
  TkRecord tk;
  tk.Assign(test::TkRecordOf(date, "06", 11, count, horses));
  return tk;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(text.substr(at) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

TEST(ListRowCellsTest, CellTextsOfAnEntry) {
  HorseEntry horse;
  horse.runningNumber = "001";
  horse.bloodNumber = "2001104567";
  horse.name = "サクラ　バクシン";
  horse.markCode = "03";
  horse.sexCode = "1";
  horse.trainer = "境勝";
  horse.burden = "550";
  const auto cells = ListRowCells(Tk({horse}, "001"), 0);
  EXPECT_EQ(cells[0], "  1");
  EXPECT_EQ(cells[1], "サクラバクシン") << "full-width space and trailing blanks removed";
  EXPECT_EQ(cells[2], "牡3");
  EXPECT_EQ(cells[3], "55.0");
  EXPECT_EQ(cells[4], "境勝    ") << "the trainer as stored, trailing blanks included";
  EXPECT_EQ(cells[5], "(父)");
}

TEST(ListRowCellsTest, BurdenSexAndAgeEdges) {
  HorseEntry blank, zero, gelding, unknownYear;
  blank.burden = "   ";
  zero.burden = "000";
  gelding.sexCode = "3";
  gelding.bloodNumber = "1999100001";
  unknownYear.sexCode = "9";
  unknownYear.bloodNumber = "0000100001";
  const TkRecord tk = Tk({blank, zero, gelding, unknownYear}, "004", "20041010");
  EXPECT_EQ(ListRowCells(tk, 0)[3], " ");
  EXPECT_EQ(ListRowCells(tk, 1)[3], "   ");
  EXPECT_EQ(ListRowCells(tk, 2)[2], "ｾﾝ5");
  EXPECT_EQ(ListRowCells(tk, 3)[2], "") << "no sex text and no age without a birth year";
  EXPECT_EQ(ListRowCells(tk, 3)[5], "　");
}

TEST(ListGridTest, ShowingARaceSetsOneRowPerHorse) {
  ListGridTexts grid;
  ASSERT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(1, 0), "馬名");
  grid.ShowRace(Tk({HorseEntry{}, HorseEntry{}, HorseEntry{}}, "003"));
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Cell(1, 3), "テストホース");
  grid.ShowRace(Tk({HorseEntry{}}, "001"));
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(0, 0), "No.");
}

TEST(ListGridTest, ARaceWithoutHorsesKeepsTheRowsBlanked) {
  ListGridTexts grid;
  grid.ShowRace(Tk({HorseEntry{}, HorseEntry{}, HorseEntry{}}, "003"));
  grid.ShowRace(Tk({}, "000"));
  ASSERT_EQ(grid.RowCount(), 4);
  for (int row = 1; row < 4; ++row)
    for (int column = 0; column < kListColumnCount; ++column) EXPECT_EQ(grid.Cell(column, row), "");
  EXPECT_EQ(grid.CopyText("2004年01月05日", ""),
            "2004年01月05日\r\n\r\nNo.\t馬名\t性齢\t斤量\t調教師\t馬記号\r\n"
            "\t\t\t\t\t\r\n\t\t\t\t\t\r\n\t\t\t\t\t\r\n");
}

TEST(ListGridTest, CopyOfTwoHorsesIsFiveLines) {
  HorseEntry second;
  second.runningNumber = "012";
  second.name = "セカンド";
  ListGridTexts grid;
  grid.ShowRace(Tk({HorseEntry{}, second}, "002"));
  const auto lines = Lines(grid.CopyText("2004年01月05日", "中山  01回 02日11R"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "2004年01月05日");
  EXPECT_EQ(lines[1], "中山  01回 02日11R");
  EXPECT_EQ(lines[2], "No.\t馬名\t性齢\t斤量\t調教師\t馬記号");
  EXPECT_EQ(lines[3], "  1\tテストホース\t牡3\t55.0\t調教師　\t　");
  EXPECT_EQ(lines[4], " 12\tセカンド\t牡3\t55.0\t調教師　\t　");
}

TEST(GridRangeTextTest, ClampsToTheGridAndRefusesRangesOutsideIt) {
  const GridCells cells{{"a", "b", "c"}, {"d", "e", "f"}};
  EXPECT_EQ(GridRangeText(cells, 3, {1, 1, 2, 1}, "H"), "H\r\ne\tf\r\n");
  EXPECT_EQ(GridRangeText(cells, 3, {-5, -1, 9, 9}, "H"), "H\r\na\tb\tc\r\nd\te\tf\r\n");
  EXPECT_EQ(GridRangeText(cells, 3, {0, 0, 0, 0}, ""), "\r\na\r\n");
  EXPECT_EQ(GridRangeText(cells, 3, {2, 0, 1, 1}, "H"), "") << "reversed columns";
  EXPECT_EQ(GridRangeText(cells, 3, {0, 1, 2, 0}, "H"), "") << "reversed rows";
  EXPECT_EQ(GridRangeText(cells, 3, {3, 0, 4, 1}, "H"), "") << "right of the grid";
  EXPECT_EQ(GridRangeText(cells, 3, {0, 2, 2, 3}, "H"), "") << "below the grid";
  EXPECT_EQ(GridRangeText(cells, 3, {-2, 0, -1, 1}, "H"), "") << "left of the grid";
}

}  // namespace
}  // namespace torvane
