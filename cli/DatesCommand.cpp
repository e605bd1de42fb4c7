// torvane-cli dates: the date list, newest first.
#include <ostream>

#include "browse/DateList.h"
#include "cli/CommandRegistry.h"

namespace torvane::cli {
namespace {

int Dates(CommandContext& context) {
  if (!context.args.empty()) throw CommandError("usage: dates");
  for (const RaceDay& day : BuildDateList(context.programDir)) context.out << day.Text() << '\n';
  return 0;
}

const CommandRegistration registration("dates", "", Dates);

}  // namespace
}  // namespace torvane::cli
