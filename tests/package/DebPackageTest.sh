#!/usr/bin/env bash
# The Debian package as a user gets it: built by tools/make-deb.sh from this
# build (lintian without errors), unpacked into a scratch root with dpkg -x,
# and the installed torvane-cli started from there on a demo week.
#   DebPackageTest.sh BUILD_DIR
set -euo pipefail
build_dir=$(realpath "$1")
source_dir=$(realpath "$(dirname "$0")/../..")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

package=$("$source_dir/tools/make-deb.sh" "$build_dir" "$scratch" 2>"$scratch/lintian.txt" | tail -n 1) || {
  cat "$scratch/lintian.txt" >&2
  exit 1
}
case $(basename "$package") in
  torvane_*_amd64.deb) ;;
  *) echo "unexpected package name: $package" >&2; exit 1 ;;
esac

root=$scratch/root
dpkg -x "$package" "$root"
for file in usr/bin/torvane usr/bin/torvane-cli usr/share/torvane/torvane.html \
  usr/share/applications/torvane.desktop usr/share/icons/hicolor/scalable/apps/torvane.svg \
  usr/share/icons/hicolor/48x48/apps/torvane.png; do
  [ -f "$root/$file" ] || { echo "the package has no $file" >&2; exit 1; }
done

cli=$root/usr/bin/torvane-cli
programDir=$scratch/program
"$cli" --dir "$programDir" make-demo "$programDir/deliveries" >/dev/null
"$cli" --dir "$programDir" acquire --source "$programDir/deliveries" >/dev/null
dates=$("$cli" --dir "$programDir" dates)
[ -n "$dates" ] || { echo "the installed torvane-cli stored no dates" >&2; exit 1; }
