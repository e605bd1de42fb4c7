// The POSIX implementation of the child process: posix_spawnp with two pipes.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "platform/ChildProcess.h"

extern char** environ;

namespace torvane::platform {
namespace {

// How often a wait looks whether the child has ended: Wine's server may keep
// the child's output open after the child itself is gone.
constexpr auto kEndCheckInterval = std::chrono::milliseconds(100);
constexpr auto kExitGrace = std::chrono::milliseconds(2000);
constexpr int kOutputPipeBytes = 1 << 20;

std::system_error SystemError(const std::string& what, int code) {
  return std::system_error(std::error_code(code, std::generic_category()), what);
}

void MakePipe(int fds[2]) {
  if (::pipe2(fds, O_CLOEXEC) != 0) throw SystemError("cannot make a pipe", errno);
}

std::vector<std::string> Environment(const std::vector<ChildProcess::Variable>& defaults) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) variables.emplace_back(*entry);
  for (const auto& [name, value] : defaults)
    if (!std::getenv(name.c_str())) variables.push_back(name + "=" + value);
  return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command, const std::vector<Variable>& environmentDefaults) {
  if (command.empty()) throw SystemError("no program to start", EINVAL);
  // A child that stops reading must give write errors, not end this process.
  ::signal(SIGPIPE, SIG_IGN);
  int toChild[2];
  int fromChild[2];
  MakePipe(toChild);
  try {
    MakePipe(fromChild);
    // A child that writes large answers (a batch of records) waits less on a
    // large pipe; the system's limit may refuse it, which costs only speed.
    (void)::fcntl(fromChild[0], F_SETPIPE_SZ, kOutputPipeBytes);
  } catch (...) {
    ::close(toChild[0]);
    ::close(toChild[1]);
    throw;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
  std::vector<std::string> arguments = command;
  std::vector<std::string> environment = Environment(environmentDefaults);
  pid_t pid = 0;
  const int error = ::posix_spawnp(&pid, command.front().c_str(), &actions, nullptr, Pointers(arguments).data(),
                                   Pointers(environment).data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(toChild[0]);
  ::close(fromChild[1]);
  if (error != 0) {
    ::close(toChild[1]);
    ::close(fromChild[0]);
    throw SystemError("cannot start " + command.front(), error);
  }
  process_ = pid;
  input_ = toChild[1];
  output_ = fromChild[0];
}

ChildProcess::~ChildProcess() {
  ::close(static_cast<int>(input_));
  const auto deadline = std::chrono::steady_clock::now() + kExitGrace;
  while (!HasEnded() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  if (!ended_) {
    Kill();
    ::waitpid(static_cast<pid_t>(process_), nullptr, 0);
  }
  ::close(static_cast<int>(output_));
}

bool ChildProcess::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(static_cast<int>(input_), bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

ChildProcess::ReadStatus ChildProcess::Read(char* buffer, std::size_t size, std::size_t& got, Deadline deadline) {
  got = 0;
  for (;;) {
    const auto now = std::chrono::steady_clock::now();
    const auto wait = std::min(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now),
                               std::chrono::duration_cast<std::chrono::milliseconds>(kEndCheckInterval));
    pollfd entry{static_cast<int>(output_), POLLIN, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(std::max<long long>(wait.count(), 0)));
    if (ready < 0 && errno != EINTR) return ReadStatus::kEnded;
    if (ready > 0) {
      const ssize_t count = ::read(static_cast<int>(output_), buffer, size);
      if (count > 0) {
        got = static_cast<std::size_t>(count);
        return ReadStatus::kData;
      }
      if (count == 0 || errno != EINTR) return ReadStatus::kEnded;
      continue;
    }
    if (ready == 0 && HasEnded()) {
      // Whatever it wrote before it ended is still there to read.
      pollfd last{static_cast<int>(output_), POLLIN, 0};
      if (::poll(&last, 1, 0) > 0) continue;
      return ReadStatus::kEnded;
    }
    if (std::chrono::steady_clock::now() >= deadline) return ReadStatus::kTimedOut;
  }
}

void ChildProcess::Kill() {
  if (!ended_) ::kill(static_cast<pid_t>(process_), SIGKILL);
}

bool ChildProcess::HasEnded() {
  if (!ended_ && ::waitpid(static_cast<pid_t>(process_), nullptr, WNOHANG) == static_cast<pid_t>(process_))
    ended_ = true;
  return ended_;
}

std::vector<std::string> WindowsProgramCommand(const std::filesystem::path& program) {
  return {"wine", program.string()};
}

bool WindowsProgramsRunNatively() { return false; }

}  // namespace torvane::platform
