#!/bin/sh
# Makes the bridge tests' own 32-bit Wine prefixes, never a user's:
#   ROOT/registered  the test component registered as "JVDTLab.JVLink"
#   ROOT/empty       nothing registered
# Prefixes made by the same Wine for the same component path are kept: the
# tests only read them, and a rebuilt component is found at its registered path.
# usage: make-prefixes.sh ROOT TEST_COMPONENT_DLL
set -eu
root=$1
component=$2
command -v wine >/dev/null || { echo "wine is not installed (tools/setup.sh installs it)" >&2; exit 1; }
[ -f "$component" ] || { echo "$component is missing: build the target torvane_win32" >&2; exit 1; }
export WINEARCH=win32 WINEDEBUG=-all
# No offer to install Mono or Gecko, which would wait for an answer.
export WINEDLLOVERRIDES="mscoree,mshtml="
made="$(wine --version) $component"
if [ -f "$root/made-by" ] && [ "$(cat "$root/made-by")" = "$made" ]; then
  exit 0
fi
rm -rf "$root"
mkdir -p "$root"
for prefix in registered empty; do
  WINEPREFIX=$root/$prefix wineboot -i
done
WINEPREFIX=$root/registered wine regsvr32 /s "$component"
# The registry reaches the prefix's files when its server ends.
for prefix in registered empty; do
  WINEPREFIX=$root/$prefix wineserver -w
done
echo "$made" > "$root/made-by"
