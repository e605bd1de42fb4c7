// torvane-cli print-info and print-list --ops and --pdf, run as a user runs them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class PrintCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<test::HorseEntry> horses(19);
    for (int h = 0; h < 19; ++h) horses[h].runningNumber = (h < 9 ? "00" : "0") + std::to_string(h + 1);
    test::WriteDateFile(dir.Path(), "2004年01月05日",
                        {test::TkRecordOf("20040105", "06", 1, "001", {test::HorseEntry{}}),
                         test::TkRecordOf("20040105", "06", 11, "019", horses, "01", "12")});
  }
  test::CliResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--dir", dir.Path().string()});
    return test::RunCli(args);
  }

  test::TempDir dir;
};

TEST_F(PrintCommandsTest, InfoPrintOfNineteenHorsesHasTwoPages) {
  const auto result = Run({"print-info", "2004年01月05日", "1", "--ops"});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto lines = LinesOf(result.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "page\t1");
  EXPECT_EQ(lines[1], "text\t1800\t50\tＭＳ ゴシック\t9\tbu\t#000000\t#ffffff\tPage1");
  int pages = 0;
  for (const auto& line : lines) pages += line.rfind("page\t", 0) == 0;
  EXPECT_EQ(pages, 2);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "page\t2"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "rect\t100\t280\t1990\t532\t20\tclear"), lines.end());
}

TEST_F(PrintCommandsTest, ListPrintTitleAndGrid) {
  const auto result = Run({"print-list", "2004年01月05日", "1", "--ops"});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto lines = LinesOf(result.out);
  ASSERT_EQ(lines.size(), 2u + 21 + 7 + 6 * 20);
  EXPECT_EQ(lines[1], "text\t100\t30\tdefault\t10\tbu\t#000000\t#ffffff\t2004年01月05日中山 1回 12日11R");
  EXPECT_EQ(lines[2], "line\t100\t100\t976\t100\t5");
}

TEST_F(PrintCommandsTest, RefusalsAndUsage) {
  // One nominated horse leaves the list with two rows: no race to print.
  auto result = Run({"print-list", "2004年01月05日", "0", "--ops"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "レースを選択してください。\n");
  result = Run({"print-info", "2004年01月05日", "0", "--ops"});
  EXPECT_EQ(result.err, "レースを選択してください。\n");

  test::WriteDateFile(dir.Path(), "2004年01月10日", {test::TkRecordOf("00000110", "05", 7, "000")});
  result = Run({"print-info", "2004年01月10日", "0", "--ops"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "読み込むﾃﾞｰﾀがありません。\n");

  for (const std::vector<std::string>& args : {std::vector<std::string>{"print-info", "2004年01月05日", "1"},
                                               {"print-info", "2004年01月05日", "1", "--pdf"},
                                               {"print-info", "2004年01月05日", "1", "--ops", "x"}}) {
    result = Run(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("usage: print-info DATE N (--ops | --pdf FILE)"), std::string::npos);
  }
  // A refused print writes no file.
  result = Run({"print-list", "2004年01月05日", "0", "--pdf", (dir / "refused.pdf").string()});
  EXPECT_EQ(result.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "refused.pdf"));
}

// The pages as pdfinfo counts them, 0 when it cannot read the file.
int PdfPages(const std::filesystem::path& file) {
  std::string command = "pdfinfo '" + file.string() + "' 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return 0;
  int pages = 0;
  char line[512];
  while (std::fgets(line, sizeof line, pipe)) std::sscanf(line, "Pages: %d", &pages);
  pclose(pipe);
  return pages;
}

TEST_F(PrintCommandsTest, PdfFilesOfBothPrints) {
  auto result = Run({"print-info", "2004年01月05日", "1", "--pdf", (dir / "info.pdf").string()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(PdfPages(dir / "info.pdf"), 2);
  result = Run({"print-list", "2004年01月05日", "1", "--pdf", (dir / "list.pdf").string()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(PdfPages(dir / "list.pdf"), 1);

  result = Run({"print-list", "2004年01月05日", "1", "--pdf", (dir / "no such dir" / "list.pdf").string()});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("PDFファイルに書き込めませんでした"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace torvane
