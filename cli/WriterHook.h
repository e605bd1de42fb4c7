#pragma once
// A step that a build of the tool may run on every store writer it makes,
// before the writer's first record: the crash tests' build of torvane-cli
// installs its kill hook there (tests/cli/TestKillHook.cpp). The program's
// own build registers none.

namespace torvane {
class StoreWriter;
}

namespace torvane::cli {

using WriterHook = void (*)(StoreWriter& writer);

// Registers the hook, from a static object of the build that has one.
struct WriterHookRegistration {
  explicit WriterHookRegistration(WriterHook hook);
};

// Runs the registered hook, if any.
void ApplyWriterHook(StoreWriter& writer);

}  // namespace torvane::cli
