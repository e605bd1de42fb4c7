#!/bin/sh
# The Windows release (tools/make-windows-installer.sh) under the 64-bit
# Wine, in a prefix of the test's own made anew for each run, never a user's:
# the installer run silently; the installed torvane-cli.exe makes, imports and
# lists the demo week with its store in the prefix's %LOCALAPPDATA%\Torvane;
# the installed torvane.exe shows its main window (on Xvfb); the silent
# uninstall removes what was installed and keeps that store. Then the
# portable zip unpacked and the same commands run, its store beside it.
#   ReleaseTest.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
work=$build/release-test
rm -rf "$work"
mkdir -p "$work"

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER=/usr/lib/wine/wine64
unset DISPLAY WAYLAND_DISPLAY
wine() { /usr/lib/wine/wine64 "$@"; }
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for file in "$build/torvane-$version-setup.exe" "$build/torvane-$version-portable.zip"; do
  [ -f "$file" ] || fail "$file is missing: build the target torvane_windows_release"
done
# Wine's notes on making the prefix go to a log: they are no failure.
wine wineboot -i >"$work/wineboot.log" 2>&1
wineserver -w

drive_c=$WINEPREFIX/drive_c
installed=$drive_c/Program\ Files/Torvane
data=$drive_c/users/$(id -un)/AppData/Local/Torvane
menu_entry=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Torvane.lnk
uninstall_key='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Torvane]'
# Japanese command-line arguments and output pass through Wine as UTF-8.
export LC_ALL=C.UTF-8

wine "$build/torvane-$version-setup.exe" /S
wineserver -w
for file in torvane.exe torvane-cli.exe torvane-jvlink.exe torvane.html uninstall.exe; do
  [ -f "$installed/$file" ] || fail "the installer laid no $file into Program Files"
done
[ -f "$menu_entry" ] || fail "no Start menu entry Torvane"
# The entry's values as the prefix's registry file keeps them.
entry=$(key=$uninstall_key awk 'index($0, ENVIRON["key"]) == 1 { found = 1; next } found && /^$/ { exit } found' \
  "$WINEPREFIX/system.reg")
for value in "\"DisplayVersion\"=\"$version\"" '"Publisher"="Torvane developers"' '"DisplayName"="Torvane"' \
  '"DisplayIcon"="C:\\Program Files\\Torvane\\torvane.exe"' \
  '"QuietUninstallString"="\"C:\\Program Files\\Torvane\\uninstall.exe\" /S"'; do
  printf '%s\n' "$entry" | grep -qF "$value" || fail "the installed-programs entry lacks $value: $entry"
done

# The demo week through one copy's CLI; its race list of the first date on stdout.
demo_week() { # demo_week CLI
  mkdir -p "$work/deliveries"
  (cd "$work/deliveries" && wine "$1" make-demo . --week-of 20030406 >/dev/null && wine "$1" import ./*.jvd >/dev/null)
  first_date=$(wine "$1" dates | head -1 | cut -f1 | tr -d '\r')
  [ -n "$first_date" ] || fail "$1 lists no dates after the import"
  wine "$1" races "$first_date"
}
installed_races=$(demo_week 'C:\Program Files\Torvane\torvane-cli.exe')
[ -n "$installed_races" ] || fail "the installed CLI lists no races"
ls "$data"/Data/*.jvTK >/dev/null 2>&1 || fail "the installed copy's store is not in %LOCALAPPDATA%\\Torvane"
[ ! -e "$installed/Data" ] || fail "the installed copy wrote its store into Program Files"

# The viewer's main window, under its caption, on an X server of its own.
# Wine's desktop process takes the display of the program that starts it:
# the server of the programs without one must have ended.
printf '[JVLink]\r\nComponent=standin\r\n' >>"$data/torvane.ini"
wineserver -w
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  "$WINELOADER" "C:\\Program Files\\Torvane\\torvane.exe" &
  for second in $(seq 120); do
    if xwininfo -root -tree | grep -qF "\"Torvane for JRA-VAN Data Lab.\""; then
      echo "the main window after $second s"; wineserver -k; exit 0
    fi
    sleep 1
  done
  xwininfo -root -tree >&2; wineserver -k; exit 1' || fail "the installed torvane.exe showed no main window"
wineserver -w

store_before=$(cd "$data" && find . -type f | sort | xargs md5sum)
wine "$installed/uninstall.exe" /S
wineserver -w  # the uninstaller runs on from a copy of itself
[ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed")"
[ ! -e "$menu_entry" ] || fail "the uninstaller left the Start menu entry"
! grep -qF "$uninstall_key" "$WINEPREFIX/system.reg" || fail "the uninstaller left the installed-programs entry"
[ "$(cd "$data" && find . -type f | sort | xargs md5sum)" = "$store_before" ] ||
  fail "the uninstaller changed the store in %LOCALAPPDATA%\\Torvane"

# The portable copy, unpacked as onto a USB stick: its store beside it.
mkdir -p "$work/stick"
(cd "$work/stick" && cmake -E tar xf "$build/torvane-$version-portable.zip")
rm -rf "$work/deliveries"
portable_races=$(demo_week "$work/stick/Torvane/torvane-cli.exe")
ls "$work/stick/Torvane/Data/"*.jvTK >/dev/null 2>&1 || fail "the portable copy's store is not beside it"
[ "$(cd "$data" && find . -type f | sort | xargs md5sum)" = "$store_before" ] ||
  fail "the portable copy wrote into %LOCALAPPDATA%\\Torvane"
[ "$portable_races" = "$installed_races" ] || fail "the two copies list different races"
echo "installed, run, uninstalled with the data kept; the portable copy beside its store"
