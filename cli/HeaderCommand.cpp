// torvane-cli header DATE N: the race header labels of race list entry N.
#include <ostream>

#include "cli/BrowseSession.h"

namespace torvane::cli {
namespace {

int Header(CommandContext& context) {
  if (context.args.size() != 2) throw CommandError("usage: header DATE N");
  BrowseSession session(context);
  if (!session.Load(context.args[0])) return kDateNotReadyStatus;
  session.ShowRace(context.args[1]);
  const RaceHeaderLabels& labels = session.Browser().Labels();
  const std::pair<const char*, const std::string&> lines[] = {
      {"Label3D1", labels.Label3D1},     {"Label3D2", labels.Label3D2},     {"Label3D3", labels.Label3D3},
      {"Label3D4", labels.Label3D4},     {"Label3D5", labels.Label3D5},     {"Label3D6", labels.Label3D6},
      {"Label3D7", labels.Label3D7},     {"Label3D8", labels.Label3D8},     {"Label3D9", labels.Label3D9},
      {"Label3D110", labels.Label3D110}, {"Label3D115", labels.Label3D115},
  };
  for (const auto& [name, text] : lines) context.out << name << '\t' << text << '\n';
  return 0;
}

const CommandRegistration registration("header", "DATE N", Header);

}  // namespace
}  // namespace torvane::cli
