#!/usr/bin/env bash
# CPU time per minute that the program takes while a diagnosis window polls the simulator (one
# request every 2 s, a receive tick every 80 ms, the panel redrawn), for a few instrument types,
# under Xvfb.
#
#   bench/poll_cpu.sh [build dir (default build-bench)] [seconds per type (default 60)] [type codes...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build-bench}" && pwd)
seconds=${2:-60}
shift $(($# > 2 ? 2 : $#))
types=("$@")
((${#types[@]})) || types=(02 8A 96)
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$seconds" "${types[@]}"
fi
unset QT_QPA_PLATFORM
for type in "${types[@]}"; do
  "$build/bench/commtest-bench-poll" --type "$type" --seconds "$seconds" 2>/dev/null
done
