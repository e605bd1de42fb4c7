#pragma once
// The commands of torvane-cli. Each command lives in a file of its own and
// registers itself with a static CommandRegistration.

#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Paths.h"

namespace torvane::cli {

struct CommandContext {
  std::filesystem::path programDir;  // --dir, or the executable's directory; exists
  std::vector<std::string> args;     // the words after the command name
  std::ostream& out;
  std::ostream& err;
};

// A command returns the process exit status. It may throw CommandError (or
// any std::exception) to end with its message on stderr and status 2.
using CommandFunction = std::function<int(CommandContext&)>;

struct CommandError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct CommandRegistration {
  CommandRegistration(std::string name, std::string usage, CommandFunction function);
};

struct Command {
  std::string name;
  std::string usage;
  CommandFunction function;
};

const std::vector<Command>& Commands();

}  // namespace torvane::cli
