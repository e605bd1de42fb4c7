// torvane-cli acquire: one run through the JV-Link stand-in, checked against
// `import` of the same delivery files.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "jvdata/RecordBuilder.h"
#include "jvlink/StandInSettings.h"
#include "tests/jvlink/DeliveryFixture.h"
#include "tests/support/CliRunner.h"

namespace torvane {
namespace {

using test::RunCli;

constexpr char kRaceKey[] = "2003040606010211";

// Every file of the four store directories, by path relative to the program directory.
std::map<std::string, std::string> StoreTree(const std::filesystem::path& programDir) {
  std::map<std::string, std::string> tree;
  for (const char* store : {"Data", "SEI", "SEIR", "UMA"})
    for (const auto& entry : std::filesystem::recursive_directory_iterator(programDir / store))
      tree[std::filesystem::relative(entry.path(), programDir).string()] =
          entry.is_regular_file() ? test::ReadFile(entry.path()) : "(directory)";
  return tree;
}

std::vector<std::string> Lines(const std::string& text, std::string_view prefix = "") {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.ends_with('\r')) line.pop_back();
    if (line.starts_with(prefix)) lines.push_back(line);
  }
  return lines;
}

class AcquireTest : public ::testing::Test {
 protected:
  AcquireTest() {
    test::WriteFile(program_ / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=1\r\n");
    // Older than the start and never read: it would replace the TK record.
    test::WriteDelivery(source_.Path(), "TK", "20030404000000", {test::TkRecord(kRaceKey, "最新")});
    // The same race three times: the later stamp wins, and within one stamp the later name.
    const auto tkFirst = test::WriteDelivery(source_.Path(), "TK", "20030405000000", {test::TkRecord(kRaceKey, "旧")});
    const auto raB = test::WriteDelivery(source_.Path(), "RAb", "20030406000000", {test::RaRecord(kRaceKey, "後")});
    const auto raA = test::WriteDelivery(source_.Path(), "RAa", "20030406000000", {test::RaRecord(kRaceKey, "先")});
    const auto tkLast = test::WriteDelivery(source_.Path(), "TK", "20030406000000", {test::TkRecord(kRaceKey, "新")});
    const auto um =
        test::WriteDelivery(source_.Path(), "UM", "20030406104642",
                            {test::UmRecord("2000100001", "テストホース"), test::SeRecord(kRaceKey, "2000100001")});
    selectedInStampOrder_ = {tkFirst, raA, raB, tkLast, um};
  }

  test::CliResult Acquire(std::vector<std::string> extra = {"--from", "20030404120000"}) {
    std::vector<std::string> args{"--dir", program_.Path().string(), "acquire", "--source", source_.Path().string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunCli(args);
  }

  std::string LastTime() const {
    const auto ini = program_ / "torvane.ini";
    if (!std::filesystem::exists(ini)) return "(none)";
    const auto lines = Lines(test::ReadFile(ini), "LastTime=");
    return lines.empty() ? "(none)" : lines.front();
  }

  test::TempDir program_;
  test::TempDir source_;
  std::vector<std::filesystem::path> selectedInStampOrder_;
};

TEST_F(AcquireTest, StoresWhatImportInStampOrderStores) {
  const test::CliResult fetched = Acquire();
  ASSERT_EQ(fetched.status, 0) << fetched.out << fetched.err;

  test::TempDir imported;
  std::vector<std::string> importArgs{"--dir", imported.Path().string(), "import"};
  for (const auto& path : selectedInStampOrder_) importArgs.push_back(path.string());
  const test::CliResult import = RunCli(importArgs);
  ASSERT_EQ(import.status, 0) << import.err;

  EXPECT_EQ(StoreTree(program_.Path()), StoreTree(imported.Path()));
  EXPECT_EQ(Lines(fetched.out, "作成済み:"), Lines(import.out));
  EXPECT_EQ(Lines(fetched.out, "作成済み:").size(), 6u);
  EXPECT_EQ(LastTime(), "(none)") << "a run that had to fetch keeps the start time";

  const test::CliResult cached = Acquire();  // everything is in the stand-in's cache now
  ASSERT_EQ(cached.status, 0) << cached.out << cached.err;
  EXPECT_EQ(Lines(cached.out, "ダウンロード中").size(), 0u);
  EXPECT_EQ(StoreTree(program_.Path()), StoreTree(imported.Path()));
  EXPECT_EQ(LastTime(), "LastTime=2003/04/06 10:46:42");

  const test::CliResult next = Acquire({});  // from the stored start time
  EXPECT_EQ(next.status, 0);
  EXPECT_EQ(Lines(next.out),
            (std::vector<std::string>{
                "2003年04月06日10時46分42秒以降のデータ取込を開始します。データ作成が終了するまで本ソフトを"
                "操作したり他のアプリケーションを操作することは極力避けてください。",
                "最新のデータがありません。"}));
}

TEST_F(AcquireTest, PrintsEachStatusAsItHappens) {
  const test::CliResult result = Acquire();
  ASSERT_EQ(result.status, 0) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_TRUE(lines[0].starts_with("2003年04月04日12時00分00秒以降のデータ取込を開始します。")) << lines[0];
  EXPECT_EQ(lines[1], "ダウンロード中・・・");
  EXPECT_EQ(Lines(result.out, "ダウンロード中．．．(5/5)").size(), 1u) << "an unchanged status is printed once";
  EXPECT_EQ(Lines(result.out, "データ読込み中．．．(").size(), 5u);
  EXPECT_EQ(lines.back(), "データ作成が完了しました。");
}

TEST_F(AcquireTest, JVLinkErrorsFailTheCommand) {
  test::WriteFile(program_ / "jvlink-standin.ini", "[JVLink]\r\nServiceKey=\r\n");
  const test::CliResult result = Acquire();
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(Lines(result.out).back(), "JVOpenエラー:サービスキーが設定されていません。（サービスキーが空値）(-303)");
  EXPECT_FALSE(std::filesystem::exists(program_ / "Data" / "2003年04月06日.jvTK"));
}

TEST_F(AcquireTest, AStartTimeThatCannotBeWrittenFailsTheCommand) {
  ASSERT_EQ(Acquire().status, 0);  // fills the stand-in's cache, so the next run writes the start time
  std::filesystem::create_directory(program_ / "torvane.ini");  // refused even to root, unlike a read-only file
  const test::CliResult result = Acquire();
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(Lines(result.out, "取得開始日付を設定ファイルに書き込めませんでした").size(), 1u) << result.out;
}

TEST_F(AcquireTest, ADamagedStoreFileEndsTheRunWithItsPathAndKeepsLastTime) {
  ASSERT_EQ(Acquire().status, 0);  // fills the stand-in's cache, so the next run would write the start time
  const auto dateFile = program_ / "Data" / "2003年04月06日.jvTK";
  const std::string damaged = test::ReadFile(dateFile) + "x";
  test::WriteFile(dateFile, damaged);
  const test::CliResult result = Acquire();
  EXPECT_EQ(result.status, 1);
  const auto errors = Lines(result.out, "データ作成エラー:");
  ASSERT_EQ(errors.size(), 1u) << result.out;
  EXPECT_NE(errors[0].find(test::CliPathText(dateFile)), std::string::npos) << errors[0];
  EXPECT_NE(errors[0].find("damaged"), std::string::npos) << errors[0];
  EXPECT_TRUE(Lines(result.out, "データ作成が完了しました。").empty()) << result.out;
  EXPECT_EQ(test::ReadFile(dateFile), damaged);
  EXPECT_EQ(LastTime(), "(none)");
}

TEST_F(AcquireTest, SigtermEndsTheRunAsTheCancelDoesAndKeepsLastTime) {
  if (test::CliIsWindowsBuildUnderWine()) GTEST_SKIP() << "Wine passes no POSIX signal on to the program";
  test::WriteFile(program_ / "jvlink-standin.ini",
                  "[JVLink]\r\nDownloadPace=" + std::to_string(kMaxDownloadPaceMs) + "\r\n");
  // Runs the command, then sends it SIGTERM while the first file is fetched.
  const auto terminate = program_ / "terminate.sh";
  test::WriteFile(terminate, "#!/bin/sh\n\"$@\" & pid=$!\nsleep 1\nkill -TERM $pid\nwait $pid\n");
  std::filesystem::permissions(terminate, std::filesystem::perms::owner_all);
  const test::CliResult result = RunCli(
      {"--dir", program_.Path().string(), "acquire", "--source", source_.Path().string(), "--from", "20030404120000"},
      {"TORVANE_CLI_EMULATOR=" + terminate.string()});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(Lines(result.out).back(), "JVCancel:キャンセルされました");
  EXPECT_EQ(LastTime(), "(none)");
}

// The current horse masters and the races come with the data kinds that
// name them, from --dataspec or else from the settings.
TEST_F(AcquireTest, ServesTheDataKindsAskedFor) {
  test::WriteDelivery(source_.Path(), "DIFN", "20030406104643",
                      {RecordBuilder("UM", 1609).Raw(3, "1").Raw(12, "2000100002").Bytes()});
  test::WriteDelivery(source_.Path(), "RACE", "20030406104644",
                      {test::RaRecord(kRaceKey), test::SeRecord(kRaceKey, "2000100003")});
  const auto stored = [](const test::CliResult& result) { return Lines(result.out, "作成済み:"); };
  const std::vector<std::string> currentAndRaces{"作成済み:2000100002.jvUMA", "作成済み:11R/2003040606.jvSERA",
                                                 "作成済み:2003年04月06日中山11R/2000100003.jvSEI"};
  const test::CliResult current = Acquire({"--from", "20030406104642", "--dataspec", "TOKUDIFNRACE"});
  EXPECT_EQ(stored(current), currentAndRaces) << current.out << current.err;
  test::WriteFile(program_ / "torvane.ini", "[JvDataGet]\r\nDataSpec=TOKUDIFN\r\nRace=1\r\n");
  EXPECT_EQ(stored(Acquire({"--from", "20030406104642"})), currentAndRaces);
  EXPECT_EQ(stored(Acquire({"--from", "20030406104642", "--dataspec", "TOKUDIFF"})), std::vector<std::string>{})
      << "nothing newer of these kinds";
}

TEST_F(AcquireTest, BadArgumentsAreRefused) {
  for (const std::vector<std::string>& extra : {std::vector<std::string>{"--from", "20030229000000"},
                                                {"--from"},
                                                {"--source", "/nonexistent/dir"},
                                                {"x"},
                                                {"--dataspec", "TOKU DIFF"}}) {
    const test::CliResult result = Acquire(extra);
    EXPECT_EQ(result.status, 2) << extra.front();
    EXPECT_FALSE(result.err.empty());
  }
}

}  // namespace
}  // namespace torvane
