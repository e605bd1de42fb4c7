#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/DemoFileName.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

TEST(MakeDemoCommand, WritesTheFolderAndListsEachFileWithItsRecords) {
  test::TempDir dir;
  const auto deliveries = (dir / "demo" / "deliveries").string();
  const test::CliResult result =
      test::RunCli({"--dir", (dir / "program").string(), "make-demo", deliveries, "--week-of", "20240527"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");

  // A line per file: "<name>: <count> records".
  std::set<std::string> listed;
  std::istringstream lines(result.out);
  for (std::string text; std::getline(lines, text);) {
    const std::size_t colon = text.find(": ");
    const std::string name = text.substr(0, colon);
    ASSERT_TRUE(colon != std::string::npos && text.ends_with(" records")) << text;
    EXPECT_EQ(test::DemoFileStamp(name).value_or("").substr(0, 8), "20240527") << text;
    EXPECT_GT(std::stoul(text.substr(colon + 2)), 0u) << text;
    EXPECT_GT(std::filesystem::file_size(std::filesystem::path(deliveries) / name), 0u) << text;
    listed.insert(name);
  }
  std::set<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(deliveries)) written.insert(entry.path().filename());
  EXPECT_EQ(listed, written);
  EXPECT_EQ(listed.size(), 7u);

  // A second run gives the same bytes.
  const auto again = (dir / "again").string();
  ASSERT_EQ(test::RunCli({"make-demo", "--week-of", "20240527", again}).status, 0);
  for (const std::string& name : written)
    EXPECT_EQ(test::ReadFile(std::filesystem::path(deliveries) / name),
              test::ReadFile(std::filesystem::path(again) / name))
        << name;
}

// TOKUDIFN brings the week that TOKUDIFF brings, every horse master in the
// current layout: the information grid shows every horse alike.
TEST(MakeDemoCommand, TheCurrentKindsBringTheSameWeekInTheCurrentMasterLayout) {
  test::TempDir dir;
  const std::string deliveries = (dir / "deliveries").string();
  ASSERT_EQ(test::RunCli({"make-demo", "--week-of", "20240527", "--current-kinds", deliveries}).status, 0);
  std::map<std::string, std::string> grids;
  std::map<std::string, std::set<std::uintmax_t>> masterSizes;
  for (const std::string dataSpec : {"TOKUDIFF", "TOKUDIFN"}) {
    const std::filesystem::path program = dir / dataSpec;
    test::WriteFile(program / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=1\r\n");
    const auto run = [&](std::vector<std::string> args) {
      args.insert(args.begin(), {"--dir", program.string()});
      const test::CliResult result = test::RunCli(args);
      EXPECT_EQ(result.status, 0) << dataSpec << " " << args[2] << ": " << result.err;
      return result.out;
    };
    run({"acquire", "--source", deliveries, "--from", "20240101000000", "--dataspec", dataSpec});
    // A race's nominees are horses of both layouts in the TOKUDIFF store.
    const std::string dates = run({"dates"});
    grids[dataSpec] = run({"info", dates.substr(0, dates.find('\n')), "0"});
    for (const auto& entry : std::filesystem::recursive_directory_iterator(program / "UMA"))
      if (entry.is_regular_file()) masterSizes[dataSpec].insert(entry.file_size());
  }
  EXPECT_EQ(masterSizes["TOKUDIFF"], (std::set<std::uintmax_t>{1577, 1609}));
  EXPECT_EQ(masterSizes["TOKUDIFN"], std::set<std::uintmax_t>{1609});
  // The prizes of the masters and the field sizes of the past races are in what is compared.
  for (const std::string shown : {"千円", "頭"}) EXPECT_NE(grids["TOKUDIFF"].find(shown), std::string::npos) << shown;
  EXPECT_EQ(grids["TOKUDIFF"], grids["TOKUDIFN"]);
}

TEST(MakeDemoCommand, WithoutADateMakesTheWeekOfToday) {
  test::TempDir dir;
  const test::CliResult result = test::RunCli({"make-demo", (dir / "today").string()});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string first = result.out.substr(0, result.out.find(':'));
  EXPECT_TRUE(first.starts_with("UM_") && test::DemoFileStamp(first)) << result.out;
}

TEST(MakeDemoCommand, RejectsBadArgumentsWithStatus2AndWritesNothing) {
  test::TempDir dir;
  const std::string target = (dir / "out").string();
  test::WriteFile(dir / "file", "x");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"make-demo"}, "DIR is missing"},
      {{"make-demo", target, "--week-of"}, "--week-of needs a date"},
      {{"make-demo", target, "--week-of", "20240230"}, "not a calendar date"},
      {{"make-demo", target, "--week-of", "2024-05-27"}, "yyyymmdd"},
      {{"make-demo", target, "--week-of", "20240527", "--week-of", "20240601"}, "twice"},
      {{"make-demo", target, "--weeks", "1"}, "unknown option '--weeks'"},
      {{"make-demo", target, (dir / "other").string()}, "only one delivery directory"},
      {{"make-demo", (dir / "file").string(), "--week-of", "20240527"}, (dir / "file").string()},
  };
  for (const auto& [args, message] : cases) {
    const test::CliResult result = test::RunCli(args);
    EXPECT_EQ(result.status, 2) << args.back();
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "") << args.back();
  }
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_FALSE(std::filesystem::exists(dir / "other"));
  EXPECT_EQ(test::ReadFile(dir / "file"), "x");
}

}  // namespace
}  // namespace torvane
