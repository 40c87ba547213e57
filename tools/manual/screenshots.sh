#!/usr/bin/env bash
# Makes the manual's screenshots from the running program: starts the simulated bus on a
# pseudo-terminal, runs commtest-shots on it under a virtual X display and writes the PNGs into
# manual/images/ (committed; the build lays them beside the program with the pages).
#   tools/manual/screenshots.sh [BUILD-DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
bin=$build/bin
out=$root/manual/images
cmake --build "$build" --target commtest-shots commtest-sim commtest_pictures commtest_default_settings commtest_manual

log=$(mktemp)
"$bin/commtest-sim" --pty --fixed --delay 5 >"$log" 2>/dev/null &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 100); do
  [[ -s $log ]] && break
  sleep 0.05 # waiting for the simulator's first line: its device
done
device=$(head -n1 "$log")
[[ -n $device ]] || { echo "the simulator gave no device" >&2; exit 1; }

# Chinese captions: the interface language is Chinese unless the locale says English.
LANG=zh_CN.UTF-8 LC_ALL= COMMTEST_COM1=$device \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$bin/commtest-shots" "$out"
ls -l "$out"
