// The list print: the title, the rules (thick frame, title row and first
// column) and every cell of the list grid.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "jvdata/JVData_Structure.h"
#include "print/ListPrint.h"
#include "print/PrintPreconditions.h"
#include "print/RecordingCanvas.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

using Lines = std::vector<std::string>;

std::string ThreeDigits(int n) {
  char text[4];
  std::snprintf(text, sizeof text, "%03d", n);
  return text;
}

ListGridTexts GridOf(int horses) {
  std::vector<test::HorseEntry> entries(static_cast<std::size_t>(horses));
  for (int h = 0; h < horses; ++h) entries[h].runningNumber = ThreeDigits(h + 1);
  entries.back().trainer = "";
  TkRecord tk;
  tk.Assign(test::TkRecordOf("20050417", "06", 11, ThreeDigits(horses), entries));
  ListGridTexts grid;
  grid.ShowRace(tk);
  return grid;
}

TEST(ListPrint, TitleRulesAndCells) {
  const ListGridTexts grid = GridOf(3);  // 4 rows
  RecordingCanvas canvas;
  RecordListPrint(canvas, grid, "2005年04月17日中山 3回 8日", "11");
  const Lines& lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 1u + 1 + 5 + 7 + 6 * 4);
  EXPECT_EQ(canvas.PageCount(), 1);
  EXPECT_EQ(lines[1], "text\t100\t30\tdefault\t10\tbu\t#000000\t#ffffff\t2005年04月17日中山 3回 8日11R");
  // Width 438 px and height 60 px at 2 units a pixel.
  EXPECT_EQ((Lines(lines.begin() + 2, lines.begin() + 14)),
            (Lines{"line\t100\t100\t976\t100\t5", "line\t100\t130\t976\t130\t5", "line\t100\t160\t976\t160\t1",
                   "line\t100\t190\t976\t190\t1", "line\t100\t220\t976\t220\t5", "line\t100\t100\t100\t220\t5",
                   "line\t168\t100\t168\t220\t5", "line\t548\t100\t548\t220\t1", "line\t628\t100\t628\t220\t1",
                   "line\t710\t100\t710\t220\t1", "line\t846\t100\t846\t220\t1", "line\t976\t100\t976\t220\t5"}));
  // Cells column by column, 5 units inside their box, in 6 pt.
  EXPECT_EQ(lines[14], "text\t105\t105\tdefault\t6\t-\t#000000\t#ffffff\tNo.");
  EXPECT_EQ(lines[15], "text\t105\t135\tdefault\t6\t-\t#000000\t#ffffff\t" + grid.Cell(0, 1));
  EXPECT_EQ(lines[18], "text\t173\t105\tdefault\t6\t-\t#000000\t#ffffff\t馬名");
  for (int c = 0; c < kListColumnCount; ++c)
    for (int r = 0; r < 4; ++r) EXPECT_TRUE(lines[14 + 4 * c + r].ends_with("\t" + grid.Cell(c, r))) << c << "," << r;
  // The last horse has a blank trainer: its cell keeps its place in its ruled box.
  EXPECT_EQ(lines[14 + 4 * 4 + 3], "text\t715\t195\tdefault\t6\t-\t#000000\t#ffffff\t" + std::string(8, ' '));
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

TEST(ListPrint, ALongListGoesOnOverNumberedPagesAndLosesNoHorse) {
  const ListGridTexts grid = GridOf(290);
  RecordingCanvas canvas;
  EXPECT_EQ(RecordListPrint(canvas, grid, "2005年04月17日中山 3回 8日", "11"), 4);
  ASSERT_EQ(canvas.PageCount(), 4);
  std::vector<std::vector<std::string>> pages;  // the texts of each page
  std::multiset<std::string> numbers;           // every running number printed
  for (const std::string& line : canvas.Lines()) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] == "page") pages.emplace_back();
    if (f[0] == "text") pages.back().push_back(f.back());
    // Nothing below the printable area: each page's rows end above its edge.
    if (f[0] == "line") {
      EXPECT_LE(std::stoi(f[4]), canvas.PageHeight()) << line;
    }
    if (f[0] == "text" && f[1] == "105" && f.back() != "No.") numbers.insert(f.back());
  }
  for (int p = 0; p < 4; ++p) {
    EXPECT_EQ(pages[p][0], "2005年04月17日中山 3回 8日11R");
    EXPECT_EQ(pages[p][1], std::to_string(p + 1) + "/4");
    EXPECT_EQ(pages[p][2], "No.");
  }
  ASSERT_EQ(numbers.size(), 290u);
  for (int r = 1; r <= 290; ++r) EXPECT_EQ(numbers.count(grid.Cell(0, r)), 1u) << r;
}

TEST(ListPrint, RefusedWithoutDataOrWithoutARace) {
  EXPECT_EQ(PrintRefusal(true, 5), "読み込むﾃﾞｰﾀがありません。");
  EXPECT_EQ(PrintRefusal(false, 2), "レースを選択してください。");
  EXPECT_EQ(PrintRefusal(false, 3), std::nullopt);
}

TEST(RecordingCanvas, NewPageStartsWithTheDefaults) {
  RecordingCanvas canvas;
  canvas.BeginDoc();
  canvas.SetFontFace("ＭＳ ゴシック");
  canvas.SetFontBold(true);
  canvas.SetFontColour(kPrintSilver);
  canvas.SetBrushClear();
  canvas.SetPenWidth(20);
  canvas.NewPage();
  canvas.TextOut(1, 2, "a");
  canvas.Rectangle(1, 2, 3, 4);
  canvas.EndDoc();
  EXPECT_EQ(canvas.Lines(), (Lines{"page\t1", "page\t2", "text\t1\t2\tdefault\t8\t-\t#000000\t#ffffff\ta",
                                   "rect\t1\t2\t3\t4\t10\t#ffffff"}));
  EXPECT_THROW(canvas.TextOut(0, 0, "after the end"), std::logic_error);
}

}  // namespace
}  // namespace torvane
