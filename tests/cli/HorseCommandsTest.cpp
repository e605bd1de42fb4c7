// torvane-cli ranking, nominations, career and search, run as a user runs them.
#include <gtest/gtest.h>

#include "tests/support/CliRunner.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

class HorseCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::HorseEntry first;
    first.bloodNumber = "2001100001";
    first.name = "ファースト";
    test::HorseEntry second = first;
    second.runningNumber = "002";
    second.bloodNumber = "2001100002";
    second.name = "セカンド";
    second.sexCode = "2";
    RecordBuilder tk("TK");
    tk.Raw(1, test::TkRecordOf("20040105", "06", 11, "002", {first, second}).substr(0, 21655));
    tk.Text(33, 60, "中山金杯");
    test::WriteDateFile(dir.Path(), "2004年01月05日", {tk.Bytes()});
    test::WriteDateFile(dir.Path(), "2004年01月10日", {test::TkRecordOf("20040110", "05", 7, "001", {second})});
    RecordBuilder um("UM");
    um.Raw(12, "2001100002").Digits(1057, 9, 12000);
    test::WriteFile(UmFilePath(dir.Path(), "2001100002"), um.Bytes());
    test::WriteSeFile(dir.Path(), "2001100002", {test::SeRecordOf("2001100002", "20031201", "06", 5)});
  }
  test::CliResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--dir", dir.Path().string()});
    return test::RunCli(args);
  }

  test::TempDir dir;
};

TEST_F(HorseCommandsTest, RankingWithTheGateGivenStoredOrDefault) {
  EXPECT_EQ(Run({"ranking", "2004年01月05日", "0"}).out,
            "1\t 2\tセカンド\t牝3\t55.0kg\t1200\t0\t\n"
            "2\t 1\tファースト\t牡3\t55.0kg\t0\t0\t\n");
  EXPECT_EQ(Run({"ranking", "2004年01月05日", "0", "--gate", "1"}).out,
            "1\t 2\tセカンド\t牝3\t55.0kg\t1200\t0\t\n"
            "2\t 1\tファースト\t牡3\t55.0kg\t0\t0\t外\n");
  test::WriteFile(dir / "torvane.ini", "[Gate]\r\n2004010506050811=1\r\n");
  EXPECT_NE(Run({"ranking", "2004年01月05日", "0"}).out.find("外"), std::string::npos) << "the stored gate";
  const test::CliResult bad = Run({"ranking", "2004年01月05日", "0", "--gate", "0"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("gate 0"), std::string::npos);
}

TEST_F(HorseCommandsTest, NominationsCareerAndSearch) {
  EXPECT_EQ(Run({"nominations", "2001100002"}).out,
            "2004年01月05日\t中山\t11R\t中山金杯\t55.0kg\n"
            "2004年01月10日\t東京\t 7R\t\t55.0kg\n");
  const test::CliResult career = Run({"career", "2001100002"});
  EXPECT_EQ(career.status, 0);
  EXPECT_EQ(career.out.substr(0, career.out.find('\t')), "1中山2003.12.01");
  EXPECT_EQ(std::count(career.out.begin(), career.out.end(), '\t'), 11);
  EXPECT_EQ(Run({"search", "せかん"}).out, "2001100002\tセカンド\t2004年01月10日\n");
  EXPECT_EQ(Run({"search", "ｽﾄ"}).out, "2001100001\tファースト\t2004年01月05日\n");
  const test::CliResult bad = Run({"career", "12345"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("blood registration number"), std::string::npos);
}

}  // namespace
}  // namespace torvane
