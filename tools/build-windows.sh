#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows with mingw-w64
# (tools/mingw-w64-x86_64.cmake) into build-windows/bin/: the viewer
# torvane.exe, torvane-cli.exe, the 32-bit JV-Link bridge torvane-jvlink.exe
# and the help file; and the tests, with the private Wine prefix under
# build-windows/ in which ctest runs them. Qt for Windows comes from
# tools/build-qt-windows.sh (Debian has none). Then:
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
if [ -z "\${TORVANE_WINE_DISPLAY:-}" ]; then
  unset DISPLAY WAYLAND_DISPLAY
else
  # A program in real windows: Wine's desktop process takes the display of
  # the program that starts it, so the server of programs without one must
  # have ended.
  wineserver -w
fi
exec /usr/lib/wine/wine64 "\$@"
SCRIPT
chmod +x "$emulator"
if [ ! -f "$build_dir/wineprefix/system.reg" ]; then
  echo "Making the Wine prefix $build_dir/wineprefix"
  "$emulator" wineboot -i
  WINEPREFIX=$build_dir/wineprefix wineserver -w
fi
# The Japanese faces of the window design are Windows' own; in the prefix
# they are Wine's replacements by the IPA fonts of the same metrics. Without
# a display Wine falls back to its null window driver. regedit reads a
# UTF-16 file.
registry_mark=$build_dir/wineprefix/torvane-registry
if [ ! -f "$registry_mark" ]; then
  iconv -f UTF-8 -t UTF-16 >"$build_dir/prefix.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="x11,null"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
REG
  "$emulator" regedit /S "$build_dir/prefix.reg"
  WINEPREFIX=$build_dir/wineprefix wineserver -w
  touch "$registry_mark"
fi

qt_windows=$(tools/build-qt-windows.sh | tail -1)

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# Configured every time: a build folder made before the viewer was built for
# Windows gets the viewer too. Qt's host tools (moc, rcc, uic) are Debian's
# Qt of the same version.
# Without debug information: the release strips it anyway, and linking the
# statically linked test programs with it costs minutes of each run.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/mingw-w64-x86_64.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
  -DTORVANE_QT_WINDOWS="$qt_windows" -DCMAKE_PREFIX_PATH=/ \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DTORVANE_BUILD_GUI=ON -DTORVANE_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
