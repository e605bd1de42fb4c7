// Kills torvane-cli import (its crash tests' build, torvane-cli-killable)
// with SIGKILL at chosen points while it writes back its batch: a store
// holding the first half of a demo week (about 10,000 records) takes the
// second half, and the writer's test hook (set through TORVANE_TEST_KILL_AT)
// kills it at each step of files spread over the whole batch. After every
// kill the store must be whole (whole sorted records, unique race keys), and
// each file exactly as it was before the import or as the import makes it,
// never holding another file's records. A rerun on what the kill left must
// then give exactly the store of an uninterrupted import, with nothing of the
// killed run left behind.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <utility>

#include "codes/KeibaFunc.h"
#include "demo/DemoDelivery.h"
#include "tests/support/CliRunner.h"
#include "tests/support/StoreCheck.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

using namespace std::chrono;

constexpr int kTrials = 45;

// The steps of a file's write the writer is stopped at, by the names the hook knows.
constexpr const char* kSteps[] = {"before-write", "written", "replaced"};

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

// Stores record into the model; whether the writer's batch writes its file
// back: when the record changed it, and for a horse master always, since it
// replaces the file without reading it.
bool Apply(Store& store, const std::string& record) {
  const Placement placement = PlacementOf(record);
  if (placement.file.empty()) return false;
  Lines& lines = store[placement.file];
  if (placement.key.empty()) {  // a horse master: its file holds it alone
    lines = Lines{{"", placement.line}};
    return true;
  }
  return std::exchange(lines[placement.key], placement.line) != placement.line;
}

// The first file on disk that is neither as before nor as after, or nothing.
std::string FirstMixedFile(const Store& before, const Store& after, const Store& actual) {
  const auto matches = [&](const Store& model, const std::string& name) {
    const auto it = model.find(name);
    return actual.contains(name) ? it != model.end() && it->second == actual.at(name) : it == model.end();
  };
  std::set<std::string> names;
  for (const Store* store : {&before, &after, &actual})
    for (const auto& [name, lines] : *store) names.insert(name);
  for (const std::string& name : names)
    if (!matches(before, name) && !matches(after, name)) return name;
  return {};
}

void WriteDelivery(const std::filesystem::path& path, const std::vector<std::string>& records, std::size_t first,
                   std::size_t end) {
  std::string contents;
  for (std::size_t i = first; i < end; ++i) contents += records[i];
  test::WriteFile(path, contents);
}

// Runs an import that its writer's hook kills at step of the file'th file it
// writes.
test::CliResult ImportKilledAt(const std::filesystem::path& programDir, const std::filesystem::path& delivery,
                               std::size_t file, const char* step) {
  return test::RunKillableCli({"--dir", programDir.string(), "import", delivery.string()},
                              {"TORVANE_TEST_KILL_AT=" + std::to_string(file) + ":" + step});
}

test::CliResult Import(const std::filesystem::path& programDir, const std::filesystem::path& delivery) {
  return test::RunCli({"--dir", programDir.string(), "import", delivery.string()});
}

// A kill needs no disk: in memory the writer's flushes to the disk, which
// wait for everything else the machine writes, cost nothing.
std::filesystem::path ScratchBase() {
  const std::filesystem::path memory = "/dev/shm";
  return std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
}

TEST(ImportCrashTest, EveryKillLeavesEachFileWholeAsBeforeOrAfterAndARerunEndsAsAnUninterruptedRun) {
  const test::TempDir dir(ScratchBase());
  const std::vector<std::string> records = DemoRecords();
  const std::size_t half = records.size() / 2;
  const auto whole = dir / "whole.jvd", first = dir / "first.jvd", second = dir / "second.jvd";
  WriteDelivery(whole, records, 0, records.size());
  WriteDelivery(first, records, 0, half);
  WriteDelivery(second, records, half, records.size());
  const auto reference = Import(dir / "reference", whole);
  ASSERT_EQ(reference.status, 0) << reference.err;
  const auto start = dir / "start";
  ASSERT_EQ(Import(start, first).status, 0);

  Store before;
  for (std::size_t i = 0; i < half; ++i) Apply(before, records[i]);
  Store after = before;
  std::set<std::string> written;  // the files the second import writes back
  for (std::size_t i = half; i < records.size(); ++i)
    if (Apply(after, records[i])) written.insert(PlacementOf(records[i]).file);
  ASSERT_GT(written.size(), static_cast<std::size_t>(kTrials));

  const auto programDir = dir / "crashed";
  for (int trial = 0; trial < kTrials; ++trial) {
    // Files spread evenly over the batch, each step in turn.
    const std::size_t file = 1 + static_cast<std::size_t>(trial) * written.size() / kTrials;
    const char* step = kSteps[trial % std::size(kSteps)];
    SCOPED_TRACE("trial " + std::to_string(trial) + ": file " + std::to_string(file) + ", " + step);
    std::filesystem::remove_all(programDir);
    std::filesystem::copy(start, programDir, std::filesystem::copy_options::recursive);
    const test::CliResult killed = ImportKilledAt(programDir, second, file, step);
    ASSERT_TRUE(killed.killed) << "the run was not killed: status " << killed.status << "\n" << killed.err;

    const std::vector<std::string> problems = test::StoreProblems(programDir);
    ASSERT_TRUE(problems.empty()) << problems.front();
    const std::string mixed = FirstMixedFile(before, after, StoreOnDisk(programDir));
    ASSERT_EQ(mixed, "") << "a file neither as before the import nor as after it";

    // Every third trial resumes, the way the next acquisition would.
    if (trial % 3 != 2) continue;
    const auto rerun = Import(programDir, second);
    ASSERT_EQ(rerun.status, 0) << rerun.err;
    ASSERT_TRUE(test::StoreFiles(programDir) == test::StoreFiles(dir / "reference"))
        << "the rerun left another store than an uninterrupted run";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(programDir))
      ASSERT_FALSE(entry.path().filename().string().starts_with('.')) << "left behind: " << entry.path();
  }
}

}  // namespace
}  // namespace torvane
