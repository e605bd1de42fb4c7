#!/usr/bin/env bash
# Builds the Debian package torvane_VERSION_amd64.deb from a build folder
# (default build/) and checks it with lintian, which must report no errors.
#   tools/make-deb.sh [BUILD_DIR [OUTPUT_DIR]]
# The package is written to OUTPUT_DIR (default: the build folder); its path
# is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${TORVANE_BUILD_DIR:-build}}")
out_dir=$(realpath "${2:-$build_dir}")
version=$(tools/version.sh)
arch=$(dpkg --print-architecture)
package=$out_dir/torvane_${version}_${arch}.deb

work=$(mktemp -d "$build_dir/deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
root=$work/root
cmake --install "$build_dir" --prefix "$root/usr" --strip >/dev/null

doc=$root/usr/share/doc/torvane
install -d "$doc"
install -m 0644 tools/deb/copyright "$doc/copyright"
sed "s/@VERSION@/$version/" tools/deb/changelog | gzip -9n >"$doc/changelog.gz"
chmod 0644 "$doc/changelog.gz"

# The libraries the binaries link, as dpkg-shlibdeps finds them, and what
# the program needs at run time beyond them: the fonts its columns are
# measured in and Qt's Japanese texts.
install -d "$work/debian"
printf 'Source: torvane\n\nPackage: torvane\nArchitecture: any\n' >"$work/debian/control"
shlibs=$(cd "$work" && dpkg-shlibdeps -O "$root/usr/bin/torvane" "$root/usr/bin/torvane-cli" 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')
install -d "$root/DEBIAN"
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@SHLIBS@/$shlibs/" \
  -e "s/@SIZE@/$(du -sk --exclude=DEBIAN "$root" | cut -f1)/" tools/deb/control >"$root/DEBIAN/control"

find "$root" -type d -exec chmod 0755 {} +
dpkg-deb --root-owner-group -Zxz --build "$root" "$package" >/dev/null
# Errors fail the package; warnings are shown.
lintian --fail-on error "$package" >&2 || {
  echo "lintian found errors in $package" >&2
  exit 1
}
echo "$package"
