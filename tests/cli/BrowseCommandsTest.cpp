// torvane-cli dates, races, header and list, run as a user runs them.
#include <gtest/gtest.h>

#include "tests/support/CliRunner.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

class BrowseCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::HorseEntry first;
    first.runningNumber = "001";
    first.bloodNumber = "2001100001";
    first.name = "ファースト　ラン";
    first.trainer = "藤沢和";
    test::HorseEntry second;
    second.runningNumber = "002";
    second.bloodNumber = "2000100002";
    second.name = "セカンド";
    second.sexCode = "2";
    second.burden = "   ";
    second.markCode = "03";
    RecordBuilder tk("TK");
    tk.Raw(1, test::TkRecordOf("20040105", "06", 11, "002", {first, second}, "01", "12").substr(0, 21655));
    tk.Text(33, 60, "中山金杯").Raw(615, "C").Raw(621, "1").Raw(634, "999").Raw(637, "2000").Raw(641, "17");
    tk.Raw(645, "20031229");
    test::WriteDateFile(dir.Path(), "2004年01月05日", {test::TkRecordOf("20040105", "06", 1, "000"), tk.Bytes()});
    test::WriteDateFile(dir.Path(), "2004年01月10日", {test::TkRecordOf("20040110", "05", 7, "000")});
  }
  test::CliResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--dir", dir.Path().string()});
    return test::RunCli(args);
  }

  test::TempDir dir;
};

TEST_F(BrowseCommandsTest, DatesNewestFirst) {
  const auto result = Run({"dates"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "2004年01月10日\n2004年01月05日\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(BrowseCommandsTest, RacesOfADate) {
  const auto result = Run({"races", "2004年01月05日"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "中山  05回 08日 1R\n中山  01回 12日11R\n");
}

TEST_F(BrowseCommandsTest, HeaderLabelsInTheirOrder) {
  const auto result = Run({"header", "2004年01月05日", "1"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "Label3D1\t中山\n"
            "Label3D2\t11\n"
            "Label3D3\t2004年01月05日中山 1回 12日\n"
            "Label3D4\t中山金杯" +
                std::string(52, ' ') +
                "\n"
                "Label3D5\tﾊﾝﾃﾞ\n"
                "Label3D6\tオープン\n"
                "Label3D7\t芝右\n"
                "Label3D8\t2000m\n"
                "Label3D9\tﾊﾝﾃﾞ発表日:12月29日\n"
                "Label3D110\t  2頭\n"
                "Label3D115\tG3   \n");
}

TEST_F(BrowseCommandsTest, ListIsTheClipboardCopy) {
  const auto result = Run({"list", "2004年01月05日", "1"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "2004年01月05日\r\n"
            "中山  01回 12日11R\r\n"
            "No.\t馬名\t性齢\t斤量\t調教師\t馬記号\r\n"
            "  1\tファーストラン\t牡3\t55.0\t藤沢和  \t　\r\n"
            "  2\tセカンド\t牝4\t \t調教師　\t(父)\r\n");
}

TEST_F(BrowseCommandsTest, AMissingDateIsReported) {
  for (const std::string command : {"races", "header", "list"}) {
    std::vector<std::string> args{command, "2004年02月01日"};
    if (command != "races") args.push_back("0");
    const auto result = Run(args);
    EXPECT_NE(result.status, 0) << command;
    EXPECT_EQ(result.err, "データ作成が未完了のようです。\n") << command;
    EXPECT_EQ(result.out, "") << command;
  }
}

TEST_F(BrowseCommandsTest, ARaceOutsideTheListIsAnError) {
  for (const std::string number : {"2", "-1", "x", "1x", ""}) {
    const auto result = Run({"list", "2004年01月05日", number});
    EXPECT_EQ(result.status, 2) << number;
    EXPECT_NE(result.err.find("race list"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "") << number;
  }
  EXPECT_EQ(Run({"header", "2004年01月05日"}).status, 2);
  EXPECT_EQ(Run({"dates", "extra"}).status, 2);
}

}  // namespace
}  // namespace torvane
