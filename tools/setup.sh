#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (as root, through apt-get) when it
# is missing, then configures and builds into build/. Used by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  googletest libgtest-dev libgmock-dev
  fonts-ipafont-gothic fontconfig
  xvfb xauth x11-utils
  poppler-utils
  desktop-file-utils lintian dpkg-dev
  clang-14 libclang-rt-14-dev clang-format-14
  g++-mingw-w64-x86-64-posix wine wine64   # the Windows build and its tests (tools/build-windows.sh)
  xz-utils                                 # unpacking Qt for Windows (tools/build-qt-windows.sh)
  nsis                                     # the Windows installer (tools/make-windows-installer.sh)
  g++-mingw-w64-i686-posix                 # the 32-bit JV-Link bridge and its test component
)
# The 32-bit Wine that runs the bridge's tests. Installed on its own: an i386
# package must have the very version of its amd64 twin, which a mirror in
# the middle of a sync may not offer; without it the bridge's tests run with
# the 64-bit bridge only, not with the real component's 32-bit one, and this
# says so.
packages_i386=(wine32:i386)

# wine32 is a package of the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386 && [ "$(id -u)" -eq 0 ]; then
  dpkg --add-architecture i386
fi

build_dir=${TORVANE_BUILD_DIR:-build}
log=$build_dir/apt-get.log

# The packages of the list given that are not installed yet.
missing_of() {
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$package"
    fi
  done
}

# apt-get and dpkg say hundreds of lines: they go to a log, shown whole
# only when the installation fails.
apt_updated=0
apt_install() {
  export DEBIAN_FRONTEND=noninteractive
  mkdir -p "$build_dir"
  if [ $apt_updated = 0 ]; then
    # A mirror in the middle of a sync fails one index ("File has unexpected
    # size") while the others are fine: the install then decides.
    if ! apt-get update >"$log" 2>&1; then
      echo "apt-get update reported errors (see $log); installing from the package lists there are."
    fi
    apt_updated=1
  fi
  apt-get install -y --no-install-recommends "$@" >>"$log" 2>&1
}

mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_i386 < <(missing_of "${packages_i386[@]}")
if [ $((${#missing[@]} + ${#missing_i386[@]})) -gt 0 ] && [ "$(id -u)" -ne 0 ]; then
  echo "These Debian packages are missing; run as root or install them: ${missing[*]} ${missing_i386[*]}" >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${#missing[@]} Debian packages with apt-get (log: $log): ${missing[*]}"
  if ! apt_install "${missing[@]}"; then
    cat "$log" >&2
    echo "Installing the Debian packages failed; the log above is kept in $log." >&2
    exit 1
  fi
  echo "apt-get: ${#missing[@]} packages asked for, $(grep -c "^Setting up" "$log") set up in all."
fi
if [ ${#missing_i386[@]} -gt 0 ]; then
  echo "Installing the 32-bit Wine with apt-get (log: $log): ${missing_i386[*]}"
  if ! apt_install "${missing_i386[@]}"; then
    grep -E "^E:|Depends:|but .* is to be installed" "$log" | tail -5 >&2 || true
    echo "WARNING: the 32-bit Wine could not be installed (log: $log); the JV-Link bridge's tests run under the 64-bit Wine only." >&2
  fi
fi

# Debug information of line tables only (-g1): enough for a backtrace, and a
# third less to compile than the full one.
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
fi
cmake --build "$build_dir" -j "$(nproc)"
