// torvane-cli print-info DATE N --ops and print-list DATE N --ops: the
// information print and the list print of race list entry N, as the
// recorded drawing operations, one line each.
#include <ostream>

#include "cli/BrowseSession.h"
#include "print/InfoPrint.h"
#include "print/ListPrint.h"
#include "print/PrintPreconditions.h"
#include "print/RecordingCanvas.h"

namespace torvane::cli {
namespace {

// The exit status of a print refused for want of data or of a chosen race.
constexpr int kRefusedStatus = 1;

enum class PrintKind { Info, List };

int RunPrint(CommandContext& context, PrintKind kind, const char* usage) {
  if (context.args.size() != 3 || context.args[2] != "--ops") throw CommandError(usage);
  BrowseSession session(context);
  if (!session.Load(context.args[0])) return kDateNotReadyStatus;
  if (session.Working().RaceList.empty()) {
    context.err << kNoDataMessage << '\n';
    return kRefusedStatus;
  }
  session.ShowRace(context.args[1]);
  const RaceBrowser& browser = session.Browser();
  if (const auto refusal = PrintRefusal(false, browser.ListGrid().RowCount())) {
    context.err << *refusal << '\n';
    return kRefusedStatus;
  }
  RecordingCanvas canvas;
  if (kind == PrintKind::Info)
    RecordInfoPrint(canvas, session.Working(), browser.SelectedRace());
  else
    RecordListPrint(canvas, browser.ListGrid(), browser.Labels().Label3D3, browser.Labels().Label3D2);
  for (const std::string& line : canvas.Lines()) context.out << line << '\n';
  return 0;
}

int PrintInfo(CommandContext& context) { return RunPrint(context, PrintKind::Info, "usage: print-info DATE N --ops"); }
int PrintList(CommandContext& context) { return RunPrint(context, PrintKind::List, "usage: print-list DATE N --ops"); }

const CommandRegistration infoRegistration("print-info", "DATE N --ops", PrintInfo);
const CommandRegistration listRegistration("print-list", "DATE N --ops", PrintList);

}  // namespace
}  // namespace torvane::cli
