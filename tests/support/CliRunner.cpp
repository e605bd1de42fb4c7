#include "tests/support/CliRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "tests/support/TempDir.h"

namespace torvane::test {
namespace {

// The value of an environment variable, or fallback when it is unset.
std::string EnvironmentOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value ? value : fallback;
}

CliResult RunProgram(std::string program, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment);

}  // namespace

bool CliIsWindowsBuildUnderWine() { return !EnvironmentOr("TORVANE_CLI_UNDER_WINE", "").empty(); }

std::string CliPathText(const std::filesystem::path& path) {
  std::string text = path.string();
  if (!CliIsWindowsBuildUnderWine()) return text;
  std::replace(text.begin(), text.end(), '/', '\\');
  return "Z:" + text;
}

CliResult RunCli(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
  return RunProgram(EnvironmentOr("TORVANE_CLI", TORVANE_CLI_PATH), args, environment);
}

CliResult RunKillableCli(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
  return RunProgram(EnvironmentOr("TORVANE_KILLABLE_CLI", TORVANE_KILLABLE_CLI_PATH), args, environment);
}

namespace {

CliResult RunProgram(std::string program, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment) {
  TempDir capture;
  const std::string outPath = (capture / "out").string();
  const std::string errPath = (capture / "err").string();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int outFd = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int nullFd = open("/dev/null", O_RDONLY);
    dup2(outFd, 1);
    dup2(errFd, 2);
    dup2(nullFd, 0);
    for (const std::string& variable : environment) putenv(const_cast<char*>(variable.c_str()));
    std::vector<std::string> words;
    std::string emulator = EnvironmentOr("TORVANE_CLI_EMULATOR", "");
    if (!emulator.empty()) words.push_back(emulator);
    words.push_back(program);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  CliResult result;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  // Under Wine a process that ends itself as a kill would ends with 137
  // (128 + SIGKILL), not by the signal.
  result.killed =
      (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) || (CliIsWindowsBuildUnderWine() && result.status == 137);
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

}  // namespace

}  // namespace torvane::test
