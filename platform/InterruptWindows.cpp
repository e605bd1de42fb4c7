// Ctrl+C, Ctrl+Break and the console's closing come to a handler thread of
// their own; it notes the request and tells the system it was handled.
#include <windows.h>

#include <atomic>

#include "platform/Interrupt.h"

namespace torvane::platform {
namespace {

std::atomic<bool> requested{false};

BOOL WINAPI NoteRequest(DWORD) {
  requested.store(true);
  return TRUE;
}

}  // namespace

void CatchInterrupts() { ::SetConsoleCtrlHandler(NoteRequest, TRUE); }

bool InterruptRequested() { return requested.load(); }

}  // namespace torvane::platform
