// The crash tests' hook in their build of torvane-cli (torvane-cli-killable):
// with TORVANE_TEST_KILL_AT=FILE:STEP in the environment, the writer kills its
// own process (SIGKILL, nothing flushed or cleaned up) at STEP of the FILE'th
// store file it writes, counted from 1 over the whole run. STEP is
// before-write, written or replaced (see ReplaceStep). A kill chosen this way
// lands exactly where the test means it to, however fast the machine is.
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "acquisition/StoreWriter.h"
#include "cli/CommandRegistry.h"
#include "cli/WriterHook.h"
#include "platform/Process.h"

namespace torvane::cli {
namespace {

constexpr const char* kVariable = "TORVANE_TEST_KILL_AT";

std::optional<ReplaceStep> StepNamed(std::string_view name) {
  if (name == "before-write") return ReplaceStep::BeforeWrite;
  if (name == "written") return ReplaceStep::Written;
  if (name == "replaced") return ReplaceStep::Replaced;
  return std::nullopt;
}

// Installs the hook when the variable is set; throws CommandError when its
// value is malformed.
void InstallTestKillHook(StoreWriter& writer) {
  const char* value = std::getenv(kVariable);
  if (!value) return;
  const std::string_view text(value);
  const std::size_t colon = text.find(':');
  std::uint64_t file = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + std::min(colon, text.size()), file);
  const std::optional<ReplaceStep> step =
      colon != std::string_view::npos ? StepNamed(text.substr(colon + 1)) : std::nullopt;
  if (error != std::errc() || end != text.data() + colon || file == 0 || !step)
    throw CommandError(std::string(kVariable) + "=" + value +
                       ": expected FILE:STEP, FILE from 1, STEP before-write, written or replaced");
  writer.SetStepHook([file, step = *step](std::uint64_t files, ReplaceStep reached) {
    if (files == file && reached == step) platform::KillThisProcess();
  });
}

const WriterHookRegistration registration(InstallTestKillHook);

}  // namespace

}  // namespace torvane::cli
