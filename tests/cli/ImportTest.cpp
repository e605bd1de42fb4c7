#include <gtest/gtest.h>

#include "jvdata/RecordBuilder.h"
#include "store/StoreLock.h"
#include "tests/support/CliRunner.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

using test::ReadFile;
using test::RunCli;

std::string Tk(const char* kind, const char* raceKey) {
  return RecordBuilder("TK").Raw(3, std::string(kind) + "20030401").Raw(12, raceKey).Digits(653, 3, 0).Bytes();
}
std::string Ra(const char* raceKey, const char* kind = "7") {
  return RecordBuilder("RA").Raw(3, std::string(kind) + "20030407").Raw(12, raceKey).Bytes();
}
std::string Se(const char* kind, const char* raceKey, const char* horse) {
  return RecordBuilder("SE").Raw(3, std::string(kind) + "20030407").Raw(12, raceKey).Raw(31, horse).Bytes();
}
std::string Um(const char* horse, const char* mark = "1") {
  return RecordBuilder("UM").Raw(3, "1").Raw(12, horse).Raw(203, mark).Bytes();
}
std::string Zeroed(std::string record) { return record.replace(2, 9, "000000000"); }

class ImportTest : public ::testing::Test {
 protected:
  std::string Delivery(const std::string& name, const std::string& contents) {
    test::WriteFile(dir_ / name, contents);
    return (dir_ / name).string();
  }
  test::CliResult Import(std::vector<std::string> files) {
    std::vector<std::string> args{"--dir", program_.string(), "import"};
    args.insert(args.end(), files.begin(), files.end());
    return RunCli(args);
  }

  test::TempDir dir_;
  std::filesystem::path program_ = dir_ / "program" / "dir";  // created by the command
};

TEST_F(ImportTest, StoresEveryKeptRecordAndPrintsItsListLine) {
  const std::string file =
      Delivery("TOKU.txt", Tk("1", "2003040606030411") + Tk("3", "2003040606030410") + Ra("2003040606030411") +
                               Se("7", "2003040606030411", "2000104567") + Se("2", "2003040606030411", "2001100001") +
                               Um("2000104567") + "H11" + std::string(40, ' ') + "\r\n");
  const auto result = Import({file});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "作成済み:11R/2003年04月06日.jvTK\n"
            "作成済み:11R/2003040606.jvSERA\n"
            "作成済み:2003年04月06日中山11R/2000104567.jvSEI\n"
            "作成済み:2000104567.jvUMA\n");
  EXPECT_EQ(ReadFile(program_ / "Data" / "2003年04月06日.jvTK"), Tk("1", "2003040606030411"));
  EXPECT_EQ(ReadFile(program_ / "SEIR" / "2003" / "2003040606.jvSERA"), Zeroed(Ra("2003040606030411")));
  EXPECT_EQ(ReadFile(program_ / "SEI" / "2000" / "2000104567.jvSEI"),
            Zeroed(Se("7", "2003040606030411", "2000104567")));
  EXPECT_EQ(ReadFile(program_ / "UMA" / "2000" / "2000104567.jvUMA"), Um("2000104567"));
  EXPECT_TRUE(std::filesystem::is_directory(program_ / "SEI" / "2001"));
  EXPECT_FALSE(std::filesystem::exists(program_ / "SEI" / "2001" / "2001100001.jvSEI"));
}

TEST_F(ImportTest, FilesAreImportedInTheirOrderSoTheLaterRecordWins) {
  const std::string first =
      Delivery("1.txt", Ra("2003040606030411", "1") + Ra("2003040606030401") + Um("2000104567", "1"));
  const std::string second = Delivery("2.txt", Ra("2003040606030411", "2") + Um("2000104567", "2"));
  const auto result = Import({first, second});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "作成済み:11R/2003040606.jvSERA\n作成済み:01R/2003040606.jvSERA\n作成済み:2000104567.jvUMA\n"
            "作成済み:11R/2003040606.jvSERA\n作成済み:2000104567.jvUMA\n");
  EXPECT_EQ(ReadFile(program_ / "SEIR" / "2003" / "2003040606.jvSERA"),
            Zeroed(Ra("2003040606030401")) + Zeroed(Ra("2003040606030411", "2")));
  EXPECT_EQ(ReadFile(program_ / "UMA" / "2000" / "2000104567.jvUMA"), Um("2000104567", "2"));
}

TEST_F(ImportTest, AFileLargerThanMemoryIsReadRecordByRecordAndAnUnreadableOneNamedBetweenGoodOnes) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's shadow memory does not fit under an address-space limit";
#endif
  if (test::CliIsWindowsBuildUnderWine()) GTEST_SKIP() << "the limit is set by a POSIX shell";
  // One endless line, 384 MiB (sparse), for a command that may use 256 MiB of address space.
  const std::string huge = Delivery("huge.txt", "UM");
  std::filesystem::resize_file(huge, std::uintmax_t{384} << 20);
  const auto limited = dir_ / "limited.sh";
  test::WriteFile(limited, "#!/bin/sh\nulimit -v 262144\nexec \"$@\"\n");
  std::filesystem::permissions(limited, std::filesystem::perms::owner_all);
  std::filesystem::create_directory(dir_ / "folder.txt");
  const auto result = RunCli({"--dir", program_.string(), "import", Delivery("1.txt", Um("2000104567")), huge,
                              (dir_ / "folder.txt").string(), Delivery("2.txt", Um("2001100001"))},
                             {"TORVANE_CLI_EMULATOR=" + limited.string()});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "作成済み:2000104567.jvUMA\n作成済み:2001100001.jvUMA\n");
  EXPECT_NE(result.err.find(huge + ": record 1: a record of 402653184 bytes"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find((dir_ / "folder.txt").string()), std::string::npos) << result.err;
  EXPECT_EQ(ReadFile(program_ / "UMA" / "2001" / "2001100001.jvUMA"), Um("2001100001"));
}

TEST_F(ImportTest, RefusedRecordsAreNamedOnStderrAndTheOthersStored) {
  std::string truncated = Ra("2003040606030402");
  truncated.erase(100, 10);
  const std::string file = Delivery("bad.txt", Ra("2003040606030401") + truncated + Um("../../etc/x") +
                                                   Ra("2003040606030403") + "SE7 no end of line");
  const auto result = Import({file});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "作成済み:01R/2003040606.jvSERA\n作成済み:03R/2003040606.jvSERA\n");
  const std::string prefix = "torvane-cli import: " + file + ": record ";
  EXPECT_NE(result.err.find(prefix + "2: RA record of 1262 bytes"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(prefix + "3: UM record: the blood registration number"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(prefix + "5: SE record of 18 bytes"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFile(program_ / "SEIR" / "2003" / "2003040606.jvSERA"),
            Zeroed(Ra("2003040606030401")) + Zeroed(Ra("2003040606030403")));
  EXPECT_FALSE(std::filesystem::exists(program_ / "UMA" / ".." / ".." / "etc"));
}

TEST_F(ImportTest, AFileThatCannotBeReadIsAnErrorButTheOtherFilesAreImported) {
  const std::string good = Delivery("good.txt", Um("2000104567"));
  const std::string missing = (dir_ / "missing.txt").string();
  const auto result = Import({missing, good, dir_.Path().string()});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("missing.txt"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(dir_.Path().string() + ":"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "作成済み:2000104567.jvUMA\n");
}

TEST_F(ImportTest, AFileWithoutAnyRecordToStoreIsNamed) {
  const std::string empty = Delivery("empty.txt", "");
  const std::string text = Delivery("notes.txt", "shopping list\r\nmilk\r\n");
  const std::string good = Delivery("good.txt", Um("2000104567"));
  const auto result = Import({empty, text, good});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "作成済み:2000104567.jvUMA\n");
  EXPECT_EQ(result.err, "torvane-cli import: " + empty + ": the file holds no TK, RA, SE or UM record to store\n" +
                            "torvane-cli import: " + text + ": the file holds no TK, RA, SE or UM record to store\n");
}

TEST_F(ImportTest, AnImportWithoutFilesIsAnError) {
  const auto result = Import({});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("import"), std::string::npos) << result.err;
}

TEST_F(ImportTest, AStoreThatCannotBeWrittenStopsTheImportWithThePath) {
  test::WriteFile(program_ / "SEIR" / "2003", "a file in the way");
  const std::string file = Delivery("d.txt", Um("2000104567") + Ra("2003040606030401") + Um("2001100001"));
  const auto result = Import({file});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "作成済み:2000104567.jvUMA\n");
  EXPECT_NE(result.err.find(test::CliPathText(program_ / "SEIR" / "2003")), std::string::npos) << result.err;
}

TEST_F(ImportTest, AnotherWriterIsRefusedAtOnceWhileOneHoldsTheStoreAndNothingIsLost) {
  ASSERT_EQ(Import({Delivery("first.txt", Um("2000104567", "1"))}).status, 0);
  {
    StoreLock running;  // as an acquisition or import in another process holds it
    ASSERT_TRUE(running.TryTake(program_));
    const auto refused = Import({Delivery("second.txt", Um("2000104567", "2") + Um("2001100001"))});
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find(kOtherWriterText), std::string::npos) << refused.err;
    const auto acquire = RunCli({"--dir", program_.string(), "acquire"});
    EXPECT_EQ(acquire.status, 1);
    EXPECT_NE(acquire.err.find(kOtherWriterText), std::string::npos) << acquire.err;
    EXPECT_EQ(ReadFile(program_ / "UMA" / "2000" / "2000104567.jvUMA"), Um("2000104567", "1"));
    EXPECT_FALSE(std::filesystem::exists(program_ / "UMA" / "2001"));
  }
  EXPECT_EQ(Import({(dir_ / "second.txt").string()}).status, 0) << "the lock goes with its holder";
  EXPECT_EQ(ReadFile(program_ / "UMA" / "2000" / "2000104567.jvUMA"), Um("2000104567", "2"));
}

}  // namespace
}  // namespace torvane
