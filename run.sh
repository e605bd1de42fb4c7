#!/usr/bin/env bash
# Sets up what is missing (packages, build, demo data) and opens Torvane on
# the demo program directory demo/ (created on the first run).
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
demo=demo
if [ ! -d "$demo/deliveries" ]; then
  build/bin/torvane-cli make-demo "$demo/deliveries"
fi
build/bin/torvane-cli --dir "$demo" import "$demo"/deliveries/*.jvd
build/bin/torvane-cli --dir "$demo" dates
