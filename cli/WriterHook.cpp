#include "cli/WriterHook.h"

namespace torvane::cli {
namespace {

// Constant-initialized, so that a registration in another file's static
// object finds it set up whatever the order of initialization.
WriterHook registeredHook = nullptr;

}  // namespace

WriterHookRegistration::WriterHookRegistration(WriterHook hook) { registeredHook = hook; }

void ApplyWriterHook(StoreWriter& writer) {
  if (registeredHook) registeredHook(writer);
}

}  // namespace torvane::cli
