#!/usr/bin/env bash
# Every benchmark, one after the other, from an optimised build:
#   cmake -S bench -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release && ninja -C build-bench
#   bench/run-all.sh [build dir (default build-bench)]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-bench}
echo "== start-up"
"$here/startup.sh" "$build"
echo "== polling CPU"
"$here/poll_cpu.sh" "$build"
echo "== receive tick"
"$here/receive_tick.sh" "$build"
echo "== history store"
"$here/history.sh" "$build"
echo "== terminal soak (10 minutes)"
"$here/terminal_soak.sh" "$build"
echo "== trend charts"
"$here/trends.sh" "$build"
