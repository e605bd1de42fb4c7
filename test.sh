#!/usr/bin/env bash
# Sets up what is missing (packages, build) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
cd "${TORVANE_BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)" --timeout 600
