#pragma once
// Runs the built torvane-cli as a separate process, the way users and scripts
// run it, and captures what it prints. The environment can name another
// torvane-cli (TORVANE_CLI) and a program that runs it (TORVANE_CLI_EMULATOR,
// such as Wine for the Windows build; TORVANE_CLI_UNDER_WINE set).

#include <filesystem>
#include <string>
#include <vector>

namespace torvane::test {

struct CliResult {
  int status = -1;      // the exit status, -1 when it ended otherwise
  bool killed = false;  // ended as SIGKILL ends it
  std::string out;
  std::string err;
};

// environment: NAME=VALUE settings for the run on top of this process's own.
CliResult RunCli(const std::vector<std::string>& args, const std::vector<std::string>& environment = {});

// The same run of the crash tests' build, torvane-cli-killable (another one
// named by TORVANE_KILLABLE_CLI), which kills itself where the environment's
// TORVANE_TEST_KILL_AT says.
CliResult RunKillableCli(const std::vector<std::string>& args, const std::vector<std::string>& environment);

// Whether the torvane-cli run is the Windows build under Wine, which names
// files as Windows does.
bool CliIsWindowsBuildUnderWine();

// A path as the torvane-cli run names it in its messages: under Wine the
// Unix path on Wine's drive Z: (its root), with Windows separators.
std::string CliPathText(const std::filesystem::path& path);

}  // namespace torvane::test
