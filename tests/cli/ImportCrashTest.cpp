// Kills torvane-cli import with SIGKILL at random moments while it stores a
// demo week (about 10,000 records). After every kill the store must be whole
// (whole sorted records, unique race keys) and must be exactly the store of
// some number of stored records, that is the state before or after the
// record in flight. The next run resumes at that record, so the kills land
// all over the delivery however fast the writer is; the delivery starts over
// when a run gets through. A last uninterrupted run must then leave exactly
// the store of an uninterrupted import.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "codes/KeibaFunc.h"
#include "tests/support/CliRunner.h"
#include "tests/support/StoreCheck.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDelivery.h"

namespace torvane {
namespace {

using namespace std::chrono;

constexpr int kKills = 50;
constexpr int kMaxRuns = 400;  // bounds the test's time should runs end before their kill

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

// The number of records, from records[first] on, whose storing turns before
// into after; the largest such number, or -1 when no number does. Only one
// file changes per record, so the files that differ are followed one by one.
long RecordsStored(Store model, const Store& after, const std::vector<std::string>& records, std::size_t first) {
  std::set<std::string> differing;
  for (const auto& [name, lines] : model)
    if (!after.contains(name) || after.at(name) != lines) differing.insert(name);
  for (const auto& [name, lines] : after)
    if (!model.contains(name)) differing.insert(name);
  long found = differing.empty() ? 0 : -1;
  for (std::size_t i = first; i < records.size(); ++i) {
    const Placement placement = PlacementOf(records[i]);
    if (placement.file.empty()) continue;
    Lines& lines = model[placement.file];
    if (placement.key.empty()) lines.clear();
    lines[placement.key] = placement.line;
    const auto actual = after.find(placement.file);
    if (actual != after.end() && actual->second == lines)
      differing.erase(placement.file);
    else
      differing.insert(placement.file);
    if (differing.empty()) found = static_cast<long>(i - first + 1);
  }
  return found;
}

void WriteDelivery(const std::filesystem::path& path, const std::vector<std::string>& records, std::size_t first) {
  std::string contents;
  for (std::size_t i = first; i < records.size(); ++i) contents += records[i];
  test::WriteFile(path, contents);
}

pid_t StartImport(const std::filesystem::path& programDir, const std::filesystem::path& delivery) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int nullFd = open("/dev/null", O_WRONLY);
    dup2(nullFd, STDOUT_FILENO);
    execl(TORVANE_CLI_PATH, TORVANE_CLI_PATH, "--dir", programDir.c_str(), "import", delivery.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

test::CliResult Import(const std::filesystem::path& programDir, const std::filesystem::path& delivery) {
  return test::RunCli({"--dir", programDir.string(), "import", delivery.string()});
}

TEST(ImportCrashTest, EveryKillLeavesAWholeStoreAndARerunEndsAsAnUninterruptedRun) {
  const test::TempDir dir;
  const std::vector<std::string> records = DemoRecords();
  const auto whole = dir / "whole.jvd";
  WriteDelivery(whole, records, 0);

  const auto started = steady_clock::now();
  const auto reference = Import(dir / "reference", whole);
  const auto uninterrupted = duration_cast<microseconds>(steady_clock::now() - started);
  ASSERT_EQ(reference.status, 0) << reference.err;

  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("random seed " + std::to_string(seed));
  std::mt19937 random(seed);
  // Kills spread over the time a whole run takes, so that early, middle and
  // late moments of a run all come; the resuming moves them over the records.
  std::uniform_int_distribution<long> delayUs(0, uninterrupted.count());

  const auto programDir = dir / "crashed";
  std::filesystem::create_directories(programDir);
  const auto rest = dir / "rest.jvd";
  Store before;
  std::size_t next = 0;
  std::set<std::pair<int, std::size_t>> killPoints;  // (pass over the delivery, record in flight)
  int pass = 0;
  for (int run = 0; run < kMaxRuns && killPoints.size() < kKills; ++run) {
    WriteDelivery(rest, records, next);
    const pid_t pid = StartImport(programDir, rest);
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(microseconds(delayUs(random)));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    ASSERT_TRUE(killed || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << "status " << status;

    const std::vector<std::string> problems = test::StoreProblems(programDir);
    ASSERT_TRUE(problems.empty()) << "after run " << run << ": " << problems.front();
    const Store after = StoreOnDisk(programDir);
    const long stored = RecordsStored(before, after, records, next);
    ASSERT_GE(stored, 0) << "after run " << run << " from record " << next
                         << " the store is no state between two records";
    if (!killed) {
      ASSERT_EQ(static_cast<std::size_t>(stored), records.size() - next) << "a finished run stored all";
    }
    next += static_cast<std::size_t>(stored);
    if (killed) killPoints.insert({pass, next});
    if (next == records.size()) next = 0, ++pass;
    before = after;
  }
  EXPECT_GE(killPoints.size(), static_cast<std::size_t>(kKills)) << "runs ended before their kill";

  const auto rerun = Import(programDir, whole);
  ASSERT_EQ(rerun.status, 0) << rerun.err;
  EXPECT_TRUE(test::StoreFiles(programDir) == test::StoreFiles(dir / "reference"))
      << "the rerun left another store than an uninterrupted run";
  for (const auto& entry : std::filesystem::recursive_directory_iterator(programDir))
    EXPECT_FALSE(entry.path().filename().string().starts_with('.')) << "left behind: " << entry.path();
}

}  // namespace
}  // namespace torvane
