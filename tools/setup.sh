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
  xvfb xauth
  poppler-utils
  desktop-file-utils lintian dpkg-dev
  clang-14 libclang-rt-14-dev
  # The 32-bit JV-Link bridge and its test component, run under Wine by the tests.
  g++-mingw-w64-i686-posix wine wine32:i386
)

# wine32 is a package of the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386 && [ "$(id -u)" -eq 0 ]; then
  dpkg --add-architecture i386
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
build_dir=${TORVANE_BUILD_DIR:-build}
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "These Debian packages are missing; run as root or install them: ${missing[*]}" >&2
    exit 1
  fi
  # apt-get and dpkg say hundreds of lines: they go to a log, shown whole
  # only when the installation fails.
  mkdir -p "$build_dir"
  log=$build_dir/apt-get.log
  echo "Installing ${#missing[@]} Debian packages with apt-get (log: $log): ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! { apt-get update && apt-get install -y --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "Installing the Debian packages failed; the log above is kept in $log." >&2
    exit 1
  fi
  echo "apt-get: ${#missing[@]} packages asked for, $(grep -c "^Setting up" "$log") set up in all."
fi

if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir" -j "$(nproc)"
