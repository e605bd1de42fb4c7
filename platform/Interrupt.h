#pragma once
// A request from outside to stop the process (Ctrl+C, a kill's SIGTERM, the
// console closing), caught so that a long command can end as its cancel
// would instead of being cut off in the middle.

namespace torvane::platform {

// From now on an interrupt or termination request no longer ends the
// process: it is only noted, for InterruptRequested.
void CatchInterrupts();

// Whether such a request came since CatchInterrupts.
bool InterruptRequested();

}  // namespace torvane::platform
