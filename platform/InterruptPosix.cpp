// SIGINT and SIGTERM set a flag; a blocked system call they interrupt
// returns EINTR, which the callers already retry.
#include <signal.h>

#include <atomic>

#include "platform/Interrupt.h"

namespace torvane::platform {
namespace {

std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void NoteRequest(int) { requested.store(true); }

}  // namespace

void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = NoteRequest;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested() { return requested.load(); }

}  // namespace torvane::platform
