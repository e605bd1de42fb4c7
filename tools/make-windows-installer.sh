#!/usr/bin/env bash
# Makes the Windows release from the program that tools/build-windows.sh
# built into build-windows/bin/:
#   build-windows/torvane-VERSION-setup.exe     the installer (NSIS,
#     tools/windows/torvane.nsi): Program Files, the Start menu, the
#     installed-programs list; /S for a silent install
#   build-windows/torvane-VERSION-portable.zip  the same program in the folder
#     Torvane/, which keeps its data beside it wherever it is unpacked
# VERSION is tools/version.sh's, the Debian package's too. The programs go
# in without their debug information. Both paths are printed, one a line.
#   tools/make-windows-installer.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build-windows}")
version=$(tools/version.sh)
bin=$build_dir/bin
icon=$build_dir/app/ui/torvane.ico
for file in "$bin/torvane.exe" "$bin/torvane-cli.exe" "$bin/torvane-jvlink.exe" "$bin/torvane.html" "$icon"; do
  [ -f "$file" ] || { echo "$file is missing: run tools/build-windows.sh first" >&2; exit 1; }
done
command -v makensis >/dev/null || { echo "makensis is missing: tools/setup.sh installs the package nsis" >&2; exit 1; }

release=$build_dir/release
program=$release/Torvane
rm -rf "$release"
mkdir -p "$program"
x86_64-w64-mingw32-strip -o "$program/torvane.exe" "$bin/torvane.exe"
x86_64-w64-mingw32-strip -o "$program/torvane-cli.exe" "$bin/torvane-cli.exe"
i686-w64-mingw32-strip -o "$program/torvane-jvlink.exe" "$bin/torvane-jvlink.exe"
cp "$bin/torvane.html" "$program/"

setup=$build_dir/torvane-$version-setup.exe
makensis -INPUTCHARSET UTF8 -V2 -DVERSION="$version" -DPROGRAM="$program" -DICON="$icon" -DOUTFILE="$setup" \
  tools/windows/torvane.nsi >&2
zip=$build_dir/torvane-$version-portable.zip
rm -f "$zip"
(cd "$release" && cmake -E tar cf "$zip" --format=zip Torvane)
echo "$setup"
echo "$zip"
