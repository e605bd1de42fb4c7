// torvane-cli dates: the date list, newest first.
#include <ostream>

#include "browse/DateList.h"
#include "cli/CommandRegistry.h"
#include "jvdata/Cp932.h"

namespace torvane::cli {
namespace {

int Dates(CommandContext& context) {
  if (!context.args.empty()) throw CommandError("usage: dates");
  for (const std::string& date : BuildDateList(context.programDir)) context.out << Cp932ToUtf8(date) << '\n';
  return 0;
}

const CommandRegistration registration("dates", "", Dates);

}  // namespace
}  // namespace torvane::cli
