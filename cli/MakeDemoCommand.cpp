// torvane-cli make-demo DIR [--week-of yyyymmdd] [--current-kinds]: writes a
// delivery folder with a synthetic week of data, with --current-kinds also the
// files of the data kinds DIFN and RACE.
#include <optional>
#include <ostream>

#include "cli/CommandRegistry.h"
#include "demo/DemoDelivery.h"

namespace torvane::cli {
namespace {

int MakeDemo(CommandContext& context) {
  std::optional<std::string> dir;
  std::optional<std::chrono::sys_days> weekOf;
  bool currentKinds = false;
  const auto& args = context.args;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--week-of") {
      if (i + 1 >= args.size()) throw CommandError("--week-of needs a date yyyymmdd");
      if (weekOf) throw CommandError("--week-of is given twice");
      try {
        weekOf = ParseDemoDate(args[++i]);
      } catch (const std::invalid_argument& error) {
        throw CommandError(std::string("--week-of: ") + error.what());
      }
    } else if (args[i] == "--current-kinds") {
      currentKinds = true;
    } else if (args[i].starts_with("-")) {
      throw CommandError("unknown option '" + args[i] + "'");
    } else if (dir) {
      throw CommandError("only one delivery directory may be given, not also '" + args[i] + "'");
    } else {
      dir = args[i];
    }
  }
  if (!dir) throw CommandError("the delivery directory DIR is missing");

  const auto files = MakeDemoDelivery(weekOf ? *weekOf : LocalToday(), currentKinds);
  WriteDemoDelivery(*dir, files);
  for (const auto& file : files) context.out << file.name << ": " << file.recordCount << " records\n";
  return 0;
}

const CommandRegistration registration("make-demo", "DIR [--week-of yyyymmdd] [--current-kinds]", MakeDemo);

}  // namespace
}  // namespace torvane::cli
