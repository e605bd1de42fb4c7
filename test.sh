#!/usr/bin/env bash
# Sets up what is missing (packages, build) and runs every test; then the
# Windows build's tests under Wine, the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a
# few seconds. TORVANE_TEST_QUICK=1 runs the Linux tests only.
set -euo pipefail
cd "$(dirname "$0")"
# Each stage's start is printed with the time, so that a run's log shows
# where its minutes went.
stage() { echo "== $1 ($(date -u +%H:%M:%S))"; }
stage "setup and the Linux build"
tools/setup.sh
stage "the Linux tests"
(cd "${TORVANE_BUILD_DIR:-build}" && ctest --output-on-failure -j "$(nproc)")
if [ "${TORVANE_TEST_QUICK:-0}" != 1 ]; then
  stage "the Windows build"
  tools/build-windows.sh
  stage "the Windows tests under Wine"
  # A failed suite runs once more: now and then Wine's server drops a client
  # ("recvmsg: Connection reset by peer") before the program's first line.
  (cd build-windows && ctest --output-on-failure -j "$(nproc)" --repeat until-pass:2)
  stage "the sanitized build and its tests"
  tools/test-sanitized.sh
  stage "the fuzz targets"
  tools/fuzz.sh all 5
fi
stage "done"
