#!/usr/bin/env bash
# Sets up what is missing (packages, build) and runs every test; then the
# Windows build's tests under Wine, the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a
# few seconds. TORVANE_TEST_QUICK=1 runs the Linux tests only.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
(cd "${TORVANE_BUILD_DIR:-build}" && ctest --output-on-failure -j "$(nproc)")
if [ "${TORVANE_TEST_QUICK:-0}" != 1 ]; then
  tools/build-windows.sh
  (cd build-windows && ctest --output-on-failure -j "$(nproc)")
  tools/test-sanitized.sh
  tools/fuzz.sh all 5
fi
