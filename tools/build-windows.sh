#!/usr/bin/env bash
# Cross-builds the core, build-windows/bin/torvane-cli.exe and the core's
# tests for 64-bit Windows with mingw-w64 (tools/mingw-w64-x86_64.cmake),
# and makes the private Wine prefix under build-windows/ in which ctest runs
# them. The Qt viewer is not built: Debian has no Qt for Windows. Then:
#   (cd build-windows && ctest --output-on-failure)
# The CLI's tests there are the Linux build's (build/), run against the
# Windows CLI; build/ is made by tools/setup.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build-windows
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)

# Every Windows program of the build runs through this one script, in the
# build's own prefix: never the user's ~/.wine. No display is needed, and
# Wine's debug messages would mix with the programs' own stderr. Debian's
# "wine" picks the 32-bit loader once wine32 is installed, which cannot run
# these 64-bit programs: the 64-bit loader is named.
emulator=$build_dir/wine-run
cat >"$emulator" <<SCRIPT
#!/bin/sh
export WINEPREFIX='$build_dir/wineprefix' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export WINELOADER=/usr/lib/wine/wine64
unset DISPLAY WAYLAND_DISPLAY
exec /usr/lib/wine/wine64 "\$@"
SCRIPT
chmod +x "$emulator"
if [ ! -f "$build_dir/wineprefix/system.reg" ]; then
  echo "Making the Wine prefix $build_dir/wineprefix"
  "$emulator" wineboot -i
  WINEPREFIX=$build_dir/wineprefix wineserver -w
fi

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
    -DTORVANE_BUILD_GUI=OFF -DTORVANE_BUILD_BENCH=OFF "${launcher[@]}"
fi
cmake --build "$build_dir" -j "$(nproc)"
