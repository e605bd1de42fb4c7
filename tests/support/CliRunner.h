#pragma once
// Runs the built torvane-cli as a separate process, the way users and scripts
// run it, and captures what it prints.

#include <string>
#include <vector>

namespace torvane::test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

CliResult RunCli(const std::vector<std::string>& args);

}  // namespace torvane::test
