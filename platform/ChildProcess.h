#pragma once
// A child process with pipes to its standard input and output, for talking
// to a helper program (the JV-Link bridge) that may die or stop answering:
// every read waits no longer than its deadline and notices the child's end.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvane::platform {

class ChildProcess {
 public:
  using Deadline = std::chrono::steady_clock::time_point;
  using Variable = std::pair<std::string, std::string>;

  // Starts command[0] (searched on the PATH when it names no directory) with
  // the rest as its arguments (UTF-8 texts), in this process's environment plus the
  // defaults for variables it does not set. Its standard error is this
  // process's. Throws std::system_error when the program cannot be started
  // (no such file: std::errc::no_such_file_or_directory).
  ChildProcess(const std::vector<std::string>& command, const std::vector<Variable>& environmentDefaults);
  // Closes the child's input, gives it a moment to end, then kills it.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Writes all of bytes to the child's input; false when the child no longer reads it.
  bool Write(std::string_view bytes);

  enum class ReadStatus { kData, kEnded, kTimedOut };
  // Reads at most size bytes, as soon as there are any; kEnded when the
  // child's output closed or the child ended with nothing more to read.
  ReadStatus Read(char* buffer, std::size_t size, std::size_t& got, Deadline deadline);

  // Ends the child at once; it is reaped by the destructor.
  void Kill();

 private:
  bool HasEnded();

  // The system's handles: a process id and file descriptors on POSIX.
  std::intptr_t process_ = -1;
  std::intptr_t input_ = -1;     // the child's standard input, written here
  std::intptr_t output_ = -1;    // the child's standard output, read here
  std::intptr_t readDone_ = -1;  // Windows: the event of a read in progress
  bool ended_ = false;
};

// The command that runs a Windows program: the program itself on Windows,
// "wine" and the program elsewhere (Wine takes WINEPREFIX from the environment).
std::vector<std::string> WindowsProgramCommand(const std::filesystem::path& program);
// Whether this system runs Windows programs itself (without Wine).
bool WindowsProgramsRunNatively();

}  // namespace torvane::platform
