#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/) and runs every test there; any
# sanitizer report, leaks included, fails the test it happens in. Left out are
# the import crash test (it kills the tool and checks the files, which the
# sanitizers cannot help with), the package checks, and the bridge suites under
# Wine, whose other side is no program of this build (the client's faults are
# the fake bridge's suite, which runs here), so the bridge programs are not
# built. Every test's time limit is four times its normal one: the
# instrumented code is that much slower.
set -euo pipefail
cd "$(dirname "$0")/.."

root=$PWD
build=${TORVANE_ASAN_BUILD_DIR:-build-asan}
flags="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DTORVANE_BUILD_BENCH=OFF -DTORVANE_BUILD_BRIDGE=OFF \
    -DTORVANE_TEST_TIMEOUT_SCALE=4
fi
cmake --build "$build" -j "$(nproc)"

asan_options=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ASAN_OPTIONS=$asan_options:strict_string_checks=1 \
  ctest --output-on-failure -j "$(nproc)" -E '^ImportCrashTest\.' -LE 'xvfb|package|bridge'
# The real-window test runs the X11 platform libraries, which read strings
# past their end in strndup (libxkbcommon-x11) and leak in libdbus: for that
# test only, strings are checked as the C library defines them and those
# libraries' leaks are suppressed.
ASAN_OPTIONS=$asan_options:strict_string_checks=0 LSAN_OPTIONS=suppressions=$root/tests/sanitizer/xvfb-lsan.supp \
  ctest --output-on-failure -L xvfb
