// torvane-cli list DATE N: the registered horse list of race list entry N as
// the clipboard copy gives it (CR LF lines, TAB-separated cells).
#include <ostream>

#include "cli/BrowseSession.h"

namespace torvane::cli {
namespace {

int List(CommandContext& context) {
  if (context.args.size() != 2) throw CommandError("usage: list DATE N");
  BrowseSession session(context);
  if (!session.Load(context.args[0])) return kDateNotReadyStatus;
  session.ShowRace(context.args[1]);
  context.out << session.Browser().ClipboardText();
  return 0;
}

const CommandRegistration registration("list", "DATE N", List);

}  // namespace
}  // namespace torvane::cli
