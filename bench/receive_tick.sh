#!/usr/bin/env bash
# What one receive tick of the diagnosis window costs for a full reply of every instrument type:
# the reply arriving (with the send tick that asked for it), the same with a traffic listener
# attached, the send tick alone, the same reply again on a later tick, and a tick with the panel
# widget redrawn. Microseconds, median of 9 QBENCHMARK runs; with --instructions, instructions per tick
# counted under valgrind instead, which a busy machine does not disturb.
#
#   bench/receive_tick.sh [build dir (default build-bench)] [--instructions]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-bench
mode=(-median 9)
unit="microseconds"
scale=1000
for arg in "$@"; do
  case $arg in
    --instructions)
      command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
      mode=(-callgrind) unit="instructions" scale=1 ;;
    *) build=$(cd "$arg" && pwd) ;;
  esac
done
QT_QPA_PLATFORM=offscreen "$build/bench/commtest-bench-tick" "${mode[@]}" 2>/dev/null |
  awk -v unit="$unit" -v scale="$scale" '
    /^RESULT/ { match($0, /::[a-zA-Z]+\(\)/); kind = substr($0, RSTART + 2, RLENGTH - 4)
                match($0, /"[^"]*"/); row = substr($0, RSTART + 1, RLENGTH - 2); next }
    kind != "" && /per iteration/ {
      value = $1; gsub(",", "", value)
      cost[row, kind] = value * scale
      if (!(row in seen)) { seen[row] = 1; order[++n] = row }
      kind = "" }
    END {
      printf "%-18s %10s %10s %10s %10s %10s   (%s per tick)\n", "type and view", "arrives", "heard", "asked", "repeated", "rendered", unit
      for (i = 1; i <= n; i++) { r = order[i]
        printf "%-18s %10.6g %10.6g %10.6g %10.6g %10.6g\n", r, cost[r, "replyArrives"], cost[r, "replyHeard"], cost[r, "requestSent"], cost[r, "replyRepeated"], cost[r, "tickWithRender"] }
    }'
