#!/usr/bin/env bash
# Sets up what is missing (packages, build, demo data) and opens Torvane on
# the demo program directory build/demo/: its JV-Link stand-in serves the demo
# deliveries in build/demo/deliveries, so "JVデータ取得" then "データ取込み開始"
# fetches a synthetic week of special registrations.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
demo=build/demo
if [ ! -d "$demo/deliveries" ]; then
  build/bin/torvane-cli make-demo --current-kinds "$demo/deliveries"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the viewer on; the demo program directory is ready in $demo/." >&2
  echo "On a desktop, run: build/bin/torvane --dir $demo" >&2
  exit 1
fi
exec build/bin/torvane --dir "$demo"
