#pragma once
// A hook for the crash tests: with TORVANE_TEST_KILL_AT=FILE:STEP in the
// environment, the writer kills its own process (SIGKILL, nothing flushed or
// cleaned up) at STEP of the FILE'th store file it writes, counted from 1
// over the whole run. STEP is before-write, written or replaced (see
// ReplaceStep). A kill chosen this way lands exactly where the test means it
// to, however fast the machine is.

namespace torvane {
class StoreWriter;
}

namespace torvane::cli {

// Installs the hook when the variable is set; throws CommandError when its
// value is malformed.
void InstallTestKillHook(StoreWriter& writer);

}  // namespace torvane::cli
