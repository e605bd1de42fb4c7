// torvane-cli races DATE: loads a date and prints its race list.
#include <ostream>

#include "cli/BrowseSession.h"

namespace torvane::cli {
namespace {

int Races(CommandContext& context) {
  if (context.args.size() != 1) throw CommandError("usage: races DATE");
  BrowseSession session(context);
  if (!session.Load(context.args[0])) return kDateNotReadyStatus;
  for (const RaceListEntry& entry : session.Working().RaceList) context.out << entry.text << '\n';
  return 0;
}

const CommandRegistration registration("races", "DATE", Races);

}  // namespace
}  // namespace torvane::cli
