// torvane-cli acquire [--jvlink] [--from yyyymmddhhnnss] [--source DIR] [--dataspec TEXT]: one
// acquisition run through the JV-Link stand-in, or the installed component
// through the bridge, as the acquisition window's start runs it.
#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <thread>

#include "acquisition/AcquisitionRun.h"
#include "acquisition/StoreWriter.h"
#include "cli/CommandRegistry.h"
#include "cli/WriterHook.h"
#include "jvlink/JVLinkBridge.h"
#include "jvlink/JVLinkFactory.h"
#include "jvlink/JVLinkStandIn.h"
#include "jvlink/JVResultMessage.h"
#include "platform/FileSystem.h"
#include "platform/Interrupt.h"
#include "settings/IniGT.h"
#include "settings/ProgramDir.h"
#include "store/StoreLock.h"
#include "store/StorePaths.h"

namespace torvane::cli {
namespace {

constexpr auto kTimerInterval = std::chrono::milliseconds(10);

// The acquisition window on a terminal: every status text, list line and
// dialog text becomes a line on out as it happens; a status text is printed
// when it changes (the timer sets the same text on every tick while a file is
// fetched). The start dialog is answered with OK. An interrupt (Ctrl+C,
// SIGTERM) is the cancel command, its question answered Yes, seen on every
// turn of the read loop and every tick of the timer.
class ConsoleAcquisitionView final : public AcquisitionView {
 public:
  explicit ConsoleAcquisitionView(std::ostream& out) : out_(out) {}

  bool TimerOn() const { return timerOn_; }
  void SetCancel(std::function<void()> cancel) { cancel_ = std::move(cancel); }
  void CancelIfInterrupted() {
    if (cancelled_ || !cancel_ || !platform::InterruptRequested()) return;
    cancelled_ = true;
    cancel_();
  }

  void SetStatusText(const std::string& text) override {
    if (text == status_) return;
    status_ = text;
    Line(text);
  }
  void SetBarRange(ProgressBar, int, int) override {}
  void SetBarPosition(ProgressBar, int) override {}
  void AddListLine(const std::string& line) override { Line(line); }
  void ClearList() override {}
  void ShowInformation(const std::string& text) override { Line(text); }
  bool ConfirmYesNo(const std::string&) override { return cancelled_; }
  void Beep() override {}
  void SetBusyCursor(bool) override {}
  void StartTimer() override { timerOn_ = true; }
  void StopTimer() override { timerOn_ = false; }
  void ProcessPendingEvents() override { CancelIfInterrupted(); }
  void CloseWindow() override {}
  DateTime PickerDateTime() const override { return picker_; }
  void SetPickerDateTime(const DateTime& value) override { picker_ = value; }

 private:
  void Line(const std::string& text) { out_ << text << std::endl; }

  std::ostream& out_;
  std::string status_;
  bool timerOn_ = false;
  bool cancelled_ = false;
  std::function<void()> cancel_;
  DateTime picker_;
};

struct AcquireOptions {
  bool installed = false;
  std::optional<DateTime> from;
  std::optional<std::filesystem::path> source;
  std::optional<std::string> dataSpec;
};

AcquireOptions ParseOptions(const std::vector<std::string>& args) {
  AcquireOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--jvlink") {
      options.installed = true;
      continue;
    }
    if (option != "--from" && option != "--source" && option != "--dataspec")
      throw CommandError("unknown argument '" + option + "'");
    if (i + 1 >= args.size()) throw CommandError(option + " needs a value");
    const std::string& value = args[++i];
    if (option == "--from") {
      if (options.from) throw CommandError("--from is given twice");
      options.from = FromDigits14(value);
      if (!options.from) throw CommandError("--from '" + value + "' is not a date and time yyyymmddhhnnss");
    } else if (option == "--dataspec") {
      if (options.dataSpec) throw CommandError("--dataspec is given twice");
      // JV-Link judges the data kinds; only a text it can be given at all is checked here.
      if (value.empty() || !std::all_of(value.begin(), value.end(), [](char c) { return c > ' ' && c < 0x7f; }))
        throw CommandError("--dataspec '" + value + "' is not a run of data kinds such as TOKUDIFF");
      options.dataSpec = value;
    } else {
      if (options.source) throw CommandError("--source is given twice");
      if (!platform::IsDirectory(value)) throw CommandError("--source '" + value + "' is not a directory");
      options.source = platform::AbsolutePath(value);
    }
  }
  if (options.installed && options.source) throw CommandError("--source serves the stand-in only, not --jvlink");
  return options;
}

// The stand-in, or the installed component through the bridge; nothing,
// with the reason on err, when the component cannot be reached.
std::unique_ptr<JVLink> OpenJVLink(const AcquireOptions& options, CommandContext& context) {
  if (options.installed) {
    try {
      return std::make_unique<JVLinkBridge>(DefaultBridgePath());
    } catch (const JVLinkUnavailable& error) {
      context.err << kJVLinkMissingText << '\n' << error.what() << std::endl;
      return nullptr;
    }
  }
  auto standIn = std::make_unique<JVLinkStandIn>(context.programDir);
  if (options.source) standIn->OverrideDeliveryFolder(*options.source);
  return standIn;
}

int Acquire(CommandContext& context) {
  const AcquireOptions options = ParseOptions(context.args);
  platform::CatchInterrupts();
  // The viewer creates these at start-up; the command stands in for it.
  CreateStoreDirectories(context.programDir);
  const std::unique_ptr<JVLink> jvLink = OpenJVLink(options, context);
  if (!jvLink) return 1;
  // A bridge that failed says what happened, beside the result code's text.
  const auto tellBridgeFailure = [&] {
    const auto* bridge = dynamic_cast<const JVLinkBridge*>(jvLink.get());
    if (bridge && !bridge->Failure().empty()) context.err << bridge->Failure() << std::endl;
  };
  if (const std::int32_t result = jvLink->JVInit(std::u16string(kJVInitSid)); result != 0) {
    context.out << "JVInitエラーが発生しました。：" << JVResultMessage("JVInit", result) << std::endl;
    tellBridgeFailure();
    return 1;
  }

  TIniGT settings(context.programDir, kSettingsFileName);
  StoreWriter writer(context.programDir);
  ApplyWriterHook(writer);
  ConsoleAcquisitionView view(context.out);
  AcquisitionRun run(*jvLink, view, settings, writer);
  view.SetCancel([&run] { run.Cancel(); });
  if (options.dataSpec) run.SetDataSpec(*options.dataSpec);
  run.FormCreate();
  if (options.from) view.SetPickerDateTime(*options.from);
  run.Start();
  while (view.TimerOn()) {
    std::this_thread::sleep_for(kTimerInterval);
    view.CancelIfInterrupted();
    if (view.TimerOn()) run.PollDownload();
  }
  tellBridgeFailure();
  const RunOutcome outcome = run.LastOutcome();
  if (outcome == RunOutcome::StoreBusy) context.err << "torvane-cli acquire: " << kOtherWriterText << '\n';
  return outcome == RunOutcome::Completed || outcome == RunOutcome::NothingNew ? 0 : 1;
}

const CommandRegistration registration(
    "acquire",
    "[--jvlink] [--from yyyymmddhhnnss] [--source DIR] [--dataspec TEXT]  one acquisition run through the JV-Link\n"
    "      stand-in, or with --jvlink the installed JV-Link through its bridge (under Wine, in WINEPREFIX), from "
    "--from or the\n"
    "      settings' LastTime, serving --source instead of the stand-in's delivery folder; prints every status\n"
    "      line, stored-record line and dialog text on stdout as it happens; exit 0 when the run read to the end\n"
    "      or found nothing new, 1 on a JV-Link or store error, on Ctrl+C or SIGTERM (cancelled as the window's\n"
    "      cancel, LastTime kept), when a download or a read made no progress for 60 s, when records were\n"
    "      refused, when the settings' LastTime could not be written or when another acquisition or import is\n"
    "      writing into the program directory; --dataspec asks for these data kinds (TOKUDIFF, TOKUDIFN, either\n"
    "      followed by RACE) instead of those chosen in the settings",
    Acquire);

}  // namespace
}  // namespace torvane::cli
