// torvane-cli [--dir PROGRAMDIR] COMMAND [ARGS]
#include <exception>
#include <iostream>
#include <stdexcept>

#include "cli/CommandRegistry.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "settings/ProgramDir.h"

namespace torvane::cli {
namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

int Usage(std::ostream& err) {
  err << "usage: torvane-cli [--dir PROGRAMDIR] COMMAND [ARGS]\n";
  for (const auto& command : Commands()) err << "  " << command.name << ' ' << command.usage << '\n';
  return 2;
}

}  // namespace

CommandRegistration::CommandRegistration(std::string name, std::string usage, CommandFunction function) {
  Registry().push_back({std::move(name), std::move(usage), std::move(function)});
}

const std::vector<Command>& Commands() { return Registry(); }

}  // namespace torvane::cli

int main(int argc, char** argv) {
  using namespace torvane::cli;
  torvane::platform::UseBinaryStandardStreams();
  const std::vector<std::string> words = torvane::platform::Utf8Arguments(argc, argv);
  std::filesystem::path programDir = torvane::DefaultProgramDir();
  std::size_t next = 0;
  if (next < words.size() && words[next] == "--dir") {
    if (next + 1 >= words.size()) return Usage(std::cerr);
    programDir = torvane::platform::PathFromUtf8(words[next + 1]);
    next += 2;
  }
  if (next >= words.size()) return Usage(std::cerr);
  const std::string name = words[next++];
  for (const auto& command : Commands()) {
    if (command.name != name) continue;
    try {
      torvane::platform::CreateDirectories(programDir);
      CommandContext context{torvane::platform::AbsolutePath(programDir),
                             {words.begin() + static_cast<long>(next), words.end()},
                             std::cout,
                             std::cerr};
      const int status = command.function(context);
      std::cout.flush();
      return status;
    } catch (const std::exception& error) {
      std::cout.flush();
      std::cerr << "torvane-cli " << name << ": " << torvane::JapaneseErrorText(error) << '\n';
      return 2;
    }
  }
  std::cerr << "torvane-cli: unknown command '" << name << "'\n";
  return Usage(std::cerr);
}
