// Kills torvane-cli import with SIGKILL at chosen points while it stores a
// demo week (about 10,000 records): at each step of the file replacement of
// records spread over the whole delivery (the writer's test hook, set through
// TORVANE_TEST_KILL_AT, kills it exactly there). After every kill the store
// must be whole (whole sorted records, unique race keys) and exactly the
// store of the records before the one in flight, or with it once its file
// was replaced. The next run resumes at the first record not stored. A last
// uninterrupted run must then leave exactly the store of an uninterrupted
// import, with nothing of the killed runs left behind.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iterator>
#include <map>
#include <utility>

#include "codes/KeibaFunc.h"
#include "tests/support/CliRunner.h"
#include "tests/support/StoreCheck.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDelivery.h"

namespace torvane {
namespace {

using namespace std::chrono;

constexpr int kTrials = 60;

// The steps of a replacement the writer is stopped at, by the names the hook
// knows, and whether the record in flight is in the store after a kill there.
struct KillStep {
  const char* name;
  bool stored;
};
constexpr KillStep kSteps[] = {{"before-write", false}, {"written", false}, {"replaced", true}};

std::vector<std::string> DemoRecords() {
  std::vector<std::string> records;
  for (const DeliveryFile& file : MakeDemoDelivery(sys_days{year{2003} / April / 1})) {
    std::string_view rest = file.contents;
    while (!rest.empty()) {
      const std::size_t length = rest.find("\r\n") + 2;
      records.emplace_back(rest.substr(0, length));
      rest.remove_prefix(length);
    }
  }
  return records;
}

// A store as sets of lines: file → race key (blank for a horse master) → line.
// Order within a file is checked apart from this, by StoreProblems.
using Lines = std::map<std::string, std::string>;
using Store = std::map<std::string, Lines>;

// Where the store keeps a record and under which key, written out here from
// the store's rules so that the check does not lean on the writer's code.
struct Placement {
  std::string file;  // empty: not kept
  std::string key;
  std::string line;
};

Placement PlacementOf(const std::string& record) {
  const std::string type = record.substr(0, 2), kind = record.substr(2, 1);
  std::string line = record;
  const std::string key = record.substr(11, 16);
  if (type == "TK" && (kind == "1" || kind == "2") && ReadCodeNumber(record.substr(25, 2)) > 0)
    return {"Data/" + record.substr(11, 4) + "年" + record.substr(15, 2) + "月" + record.substr(17, 2) + "日.jvTK", key,
            line};
  if (type == "RA")
    return {"SEIR/" + record.substr(11, 4) + "/" + record.substr(11, 10) + ".jvSERA", key,
            line.replace(2, 9, "000000000")};
  if (type == "SE" && (kind == "7" || kind == "A" || kind == "B"))
    return {"SEI/" + record.substr(30, 4) + "/" + record.substr(30, 10) + ".jvSEI", key,
            line.replace(2, 9, "000000000")};
  if (type == "UM") return {"UMA/" + record.substr(11, 4) + "/" + record.substr(11, 10) + ".jvUMA", "", line};
  return {};
}

Store StoreOnDisk(const std::filesystem::path& programDir) {
  Store store;
  for (const auto& [name, contents] : test::StoreFiles(programDir)) {
    const std::size_t size = contents.find("\r\n") + 2;
    Lines& lines = store[name];
    for (std::size_t at = 0; at + size <= contents.size(); at += size) {
      const std::string line = contents.substr(at, size);
      lines[line.starts_with("UM") ? "" : line.substr(11, 16)] = line;
    }
  }
  return store;
}

// Stores record into the model; whether that changed a file, which the
// writer then has to replace.
bool Apply(Store& store, const std::string& record) {
  const Placement placement = PlacementOf(record);
  if (placement.file.empty()) return false;
  Lines& lines = store[placement.file];
  if (placement.key.empty()) {  // a horse master: its file holds it alone
    const Lines master{{"", placement.line}};
    return std::exchange(lines, master) != master;
  }
  return std::exchange(lines[placement.key], placement.line) != placement.line;
}

// The first file in which the two stores differ, or nothing.
std::string FirstDifference(const Store& expected, const Store& actual) {
  for (const auto& [name, lines] : expected)
    if (!actual.contains(name) || actual.at(name) != lines) return name;
  for (const auto& [name, lines] : actual)
    if (!expected.contains(name)) return name;
  return {};
}

void WriteDelivery(const std::filesystem::path& path, const std::vector<std::string>& records, std::size_t first) {
  std::string contents;
  for (std::size_t i = first; i < records.size(); ++i) contents += records[i];
  test::WriteFile(path, contents);
}

// Runs an import that its writer's hook kills at step of the file
// replacement for its record'th record.
test::CliResult ImportKilledAt(const std::filesystem::path& programDir, const std::filesystem::path& delivery,
                               std::size_t record, const char* step) {
  return test::RunCli({"--dir", programDir.string(), "import", delivery.string()},
                      {"TORVANE_TEST_KILL_AT=" + std::to_string(record) + ":" + step});
}

test::CliResult Import(const std::filesystem::path& programDir, const std::filesystem::path& delivery) {
  return test::RunCli({"--dir", programDir.string(), "import", delivery.string()});
}

TEST(ImportCrashTest, EveryKillLeavesAWholeStoreAndARerunEndsAsAnUninterruptedRun) {
  const test::TempDir dir;
  const std::vector<std::string> records = DemoRecords();
  const auto whole = dir / "whole.jvd";
  WriteDelivery(whole, records, 0);
  const auto reference = Import(dir / "reference", whole);
  ASSERT_EQ(reference.status, 0) << reference.err;

  // The records that change the store of the records before them: each
  // makes the writer replace a file, so each is a place to stop it.
  std::vector<std::size_t> writing;
  Store model;
  for (std::size_t i = 0; i < records.size(); ++i)
    if (Apply(model, records[i])) writing.push_back(i);
  ASSERT_GT(writing.size(), static_cast<std::size_t>(2 * kTrials));

  const auto programDir = dir / "crashed";
  std::filesystem::create_directories(programDir);
  const auto rest = dir / "rest.jvd";
  Store expected;  // the store of the records before `applied`
  std::size_t applied = 0;
  std::size_t next = 0;  // the first record of the next run
  for (int trial = 0; trial < kTrials; ++trial) {
    // Kill points spread evenly over the delivery, each step in turn.
    const std::size_t target = writing[static_cast<std::size_t>(trial + 1) * writing.size() / (kTrials + 1)];
    const KillStep step = kSteps[trial % std::size(kSteps)];
    SCOPED_TRACE("trial " + std::to_string(trial) + ": record " + std::to_string(target) + ", " + step.name);
    WriteDelivery(rest, records, next);
    const test::CliResult killed = ImportKilledAt(programDir, rest, target - next + 1, step.name);
    ASSERT_TRUE(killed.killed) << "the run was not killed: status " << killed.status << "\n" << killed.err;

    const std::vector<std::string> problems = test::StoreProblems(programDir);
    ASSERT_TRUE(problems.empty()) << problems.front();
    next = step.stored ? target + 1 : target;
    for (; applied < next; ++applied) Apply(expected, records[applied]);
    const std::string differing = FirstDifference(expected, StoreOnDisk(programDir));
    ASSERT_EQ(differing, "") << "the store is not that of the first " << next << " records";
  }

  const auto rerun = Import(programDir, whole);
  ASSERT_EQ(rerun.status, 0) << rerun.err;
  EXPECT_TRUE(test::StoreFiles(programDir) == test::StoreFiles(dir / "reference"))
      << "the rerun left another store than an uninterrupted run";
  for (const auto& entry : std::filesystem::recursive_directory_iterator(programDir))
    EXPECT_FALSE(entry.path().filename().string().starts_with('.')) << "left behind: " << entry.path();
}

}  // namespace
}  // namespace torvane
