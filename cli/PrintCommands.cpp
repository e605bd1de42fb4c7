// torvane-cli print-info|print-list DATE N (--ops | --pdf FILE): the
// information print and the list print of race list entry N, as the
// recorded drawing operations one line each, or as a PDF file printed on
// the PDF printer.
#include <functional>
#include <ostream>

#include "cli/BrowseSession.h"
#include "print/InfoPrint.h"
#include "print/ListPrint.h"
#include "print/PrintPreconditions.h"
#include "print/RecordingCanvas.h"
#if TORVANE_CLI_PDF
#include "print/ui/PdfFile.h"
#endif

namespace torvane::cli {
namespace {

// The exit status of a print refused for want of data or of a chosen race.
constexpr int kRefusedStatus = 1;

enum class PrintKind { Info, List };

// --ops, or --pdf with the file.
struct PrintOutput {
  bool pdf = false;
  std::string file;
};

PrintOutput OutputOf(const std::vector<std::string>& args, const std::string& usage) {
  if (args.size() == 3 && args[2] == "--ops") return {};
  if (args.size() == 4 && args[2] == "--pdf" && !args[3].empty()) return {true, args[3]};
  throw CommandError(usage);
}

void WritePdf(const std::string& file, const std::function<void(PrintCanvas&)>& record) {
#if TORVANE_CLI_PDF
  WritePrintPdf(file, record);
#else
  (void)file;
  (void)record;
  throw CommandError("--pdf needs torvane-cli built with the Qt viewer (TORVANE_BUILD_GUI)");
#endif
}

int RunPrint(CommandContext& context, PrintKind kind, const std::string& usage) {
  const PrintOutput output = OutputOf(context.args, usage);
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
  const auto record = [&](PrintCanvas& canvas) {
    if (kind == PrintKind::Info)
      RecordInfoPrint(canvas, session.Working(), browser.SelectedRace());
    else
      RecordListPrint(canvas, browser.ListGrid(), browser.Labels().Label3D3, browser.Labels().Label3D2);
  };
  if (output.pdf) {
    WritePdf(output.file, record);
    return 0;
  }
  RecordingCanvas canvas;
  record(canvas);
  for (const std::string& line : canvas.Lines()) context.out << line << '\n';
  return 0;
}

constexpr const char* kArguments = "DATE N (--ops | --pdf FILE)";

int PrintInfo(CommandContext& context) {
  return RunPrint(context, PrintKind::Info, std::string("usage: print-info ") + kArguments);
}
int PrintList(CommandContext& context) {
  return RunPrint(context, PrintKind::List, std::string("usage: print-list ") + kArguments);
}

const CommandRegistration infoRegistration("print-info", kArguments, PrintInfo);
const CommandRegistration listRegistration("print-list", kArguments, PrintList);

}  // namespace
}  // namespace torvane::cli
