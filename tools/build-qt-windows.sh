#!/usr/bin/env bash
# Makes Qt for 64-bit Windows (mingw-w64, static) that tools/build-windows.sh
# builds the viewer with, when it is not there yet: Qt's base module 6.4.2,
# the version of Debian's own Qt, whose tools (moc, rcc, uic) serve as the
# host tools. The result is kept outside the build folders, in
# $TORVANE_QT_WINDOWS (default ~/.cache/torvane/qt-6.4.2-mingw64), and its
# path is printed last.
#
# A ready-made copy of exactly this build (../shared/qt-windows/ beside the
# repository, or $TORVANE_QT_WINDOWS_ARCHIVE) is unpacked instead of building
# it: building takes about an hour on 2 cores.
set -euo pipefail
cd "$(dirname "$0")/.."
# The compilers and search roots of the viewer's own cross build.
toolchain=$PWD/tools/mingw-w64-x86_64.cmake
version=6.4.2
prefix=${TORVANE_QT_WINDOWS:-$HOME/.cache/torvane/qt-$version-mingw64}
archive=${TORVANE_QT_WINDOWS_ARCHIVE:-../shared/qt-windows/qt-$version-mingw64-static.tar.xz}
archive_sha256=91bd5a858661e4040a61dd7c49d206405e08923b5a1d4797fd7f4b5dbaca32de
source_tarball=qt6-base_$version+dfsg.orig.tar.xz
source_sha256=4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e

# The mark of a finished install: a half-made folder is never taken for one.
if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
  echo "$prefix"
  exit 0
fi

check_sha256() {  # FILE SUM
  if ! echo "$2  $1" | sha256sum -c --quiet -; then
    echo "$1 is not the expected file (sha256 $2)" >&2
    exit 1
  fi
}

partial=$prefix.partial
rm -rf "$partial"
mkdir -p "$partial"

if [ -f "$archive" ]; then
  echo "Unpacking the ready-made Qt for Windows $archive into $prefix" >&2
  check_sha256 "$archive" "$archive_sha256"
  tar -xJf "$archive" -C "$partial" --strip-components=1
  rm -rf "$prefix"
  mv "$partial" "$prefix"
  echo "$prefix"
  exit 0
fi

# Built from Debian's own source tarball of qt6-base, fetched by apt from the
# configured Debian mirror through a source list of this script's own (the
# machine's apt configuration is left as it is).
work=${TORVANE_QT_WINDOWS_WORK:-$HOME/.cache/torvane/qt-$version-mingw64-work}
mkdir -p "$work"
work=$(cd "$work" && pwd)
cd "$work"
if [ ! -f "$source_tarball" ]; then
  mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null |
    grep -oE '^(URIs:|deb) +https?://[^ ]+' | grep -v security | head -1 | awk '{print $2}' || true)
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  [ -n "$mirror" ] || { echo "No Debian mirror found in /etc/apt/sources.list*" >&2; exit 1; }
  echo "Fetching $source_tarball from $mirror ($suite) with apt-get source" >&2
  mkdir -p apt/lists/partial apt/cache/archives/partial
  echo "deb-src $mirror $suite main" >apt/sources.list
  apt_options=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache" -o Debug::NoLocking=1)
  apt-get "${apt_options[@]}" update >&2
  apt-get "${apt_options[@]}" source --download-only qt6-base >&2
fi
check_sha256 "$source_tarball" "$source_sha256"

echo "Building Qt $version for Windows in $work (about an hour on 2 cores)" >&2
rm -rf "qtbase-everywhere-src-$version" build
tar -xJf "$source_tarball"
mkdir build && cd build
# Debian's tarball has no src/3rdparty/wintab (the tablet header): tablet
# events off. Only the modules the viewer and its tests use.
"../qtbase-everywhere-src-$version/configure" -prefix "$partial" -release -static -static-runtime \
  -xplatform win32-g++ -qt-host-path /usr -nomake examples -nomake tests \
  -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml \
  -no-feature-tabletevent -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype -no-icu \
  -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
# Installed paths are relative to the prefix, so the folder may move.
rm -rf "$prefix"
mv "$partial" "$prefix"
echo "$prefix"
