#!/usr/bin/env bash
# tools/fuzz.sh TARGET|all SECONDS: builds the fuzz targets (build-fuzz/, clang
# with libFuzzer, ASan and UBSan) and runs each chosen one for SECONDS,
# starting from its seed corpus in tests/fuzz/corpus/. New inputs gather in
# build-fuzz/corpus/, findings in build-fuzz/findings/. Exits 1 when a target
# found something. TARGET is one of: store_writer date_loader settings cp932
# codes. Needs clang-14 and libclang-rt-14-dev (tools/setup.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(store_writer date_loader settings cp932 codes)
if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: tools/fuzz.sh TARGET|all SECONDS (TARGET: ${targets[*]})" >&2
  exit 2
fi
if [ "$1" != all ]; then
  if [[ " ${targets[*]} " != *" $1 "* ]]; then
    echo "tools/fuzz.sh: unknown target '$1' (known: ${targets[*]})" >&2
    exit 2
  fi
  targets=("$1")
fi
seconds=$2

build=${TORVANE_FUZZ_BUILD_DIR:-build-fuzz}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DTORVANE_FUZZ=ON -DTORVANE_BUILD_GUI=OFF -DTORVANE_BUILD_TESTS=OFF -DTORVANE_BUILD_BENCH=OFF
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

status=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  mkdir -p "$corpus" "$findings"
  log=$build/findings/$target.log
  echo "fuzz_$target: $seconds s"
  if "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "tests/fuzz/corpus/fuzz_$target" >"$log" 2>&1; then
    echo "fuzz_$target: $(grep -m1 -o 'number_of_executed_units: [0-9]*' "$log" | cut -d' ' -f2) runs, no finding"
  else
    echo "fuzz_$target: FINDING, see $log and $findings/" >&2
    grep -E 'ERROR|fuzz check failed|SUMMARY|Test unit written' "$log" >&2 || tail -20 "$log" >&2
    status=1
  fi
done
exit $status
