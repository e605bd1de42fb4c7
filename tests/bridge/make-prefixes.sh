#!/bin/sh
# Makes the bridge tests' own Wine prefixes, never a user's:
#   ROOT/registered  the test component registered as "JVDTLab.JVLink"
#   ROOT/empty       nothing registered
# ARCH is win32 (the 32-bit Wine, wine32:i386) or win64 (the 64-bit Wine).
# Prefixes made by the same Wine for the same component path are kept: the
# tests only read them, and a rebuilt component is found at its registered path.
# usage: make-prefixes.sh ROOT TEST_COMPONENT_DLL ARCH
set -eu
root=$1
component=$2
arch=$3
# Debian's "wine" picks the 32-bit loader whenever wine32 is installed; a
# 64-bit prefix is made by the 64-bit one.
case $arch in
  win32) loader=/usr/lib/wine/wine ;;
  win64) loader=/usr/lib/wine/wine64 ;;
  *) echo "unknown architecture $arch: win32 or win64" >&2; exit 1 ;;
esac
[ -x "$loader" ] || { echo "$loader is not installed (tools/setup.sh installs it)" >&2; exit 1; }
[ -f "$component" ] || { echo "$component is missing: build the target torvane_$arch" >&2; exit 1; }
export WINEARCH=$arch WINEDEBUG=-all WINELOADER=$loader
# No offer to install Mono or Gecko, which would wait for an answer.
export WINEDLLOVERRIDES="mscoree,mshtml="
made="$("$loader" --version) $arch $component"
if [ -f "$root/made-by" ] && [ "$(cat "$root/made-by")" = "$made" ]; then
  exit 0
fi
rm -rf "$root"
mkdir -p "$root"
for prefix in registered empty; do
  WINEPREFIX=$root/$prefix "$loader" wineboot -i
done
WINEPREFIX=$root/registered "$loader" regsvr32 /s "$component"
# The registry reaches the prefix's files when its server ends.
for prefix in registered empty; do
  WINEPREFIX=$root/$prefix wineserver -w
done
echo "$made" > "$root/made-by"
