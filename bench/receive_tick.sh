#!/usr/bin/env bash
# Microseconds per receive tick of the diagnosis window for a full reply of every instrument type
# (median of 9 QBENCHMARK runs): the reply arriving, the same reply again on a later tick, and a
# tick with the panel widget redrawn.
#
#   bench/receive_tick.sh [build dir (default build-bench)]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build-bench}" && pwd)
QT_QPA_PLATFORM=offscreen "$build/bench/commtest-bench-tick" -median 9 2>/dev/null |
  awk '
    /^RESULT/ { match($0, /::[a-zA-Z]+\(\)/); kind = substr($0, RSTART + 2, RLENGTH - 4)
                match($0, /"[^"]*"/); row = substr($0, RSTART + 1, RLENGTH - 2); next }
    kind != "" && /msecs per iteration/ { us[row, kind] = $1 * 1000; if (!(row in seen)) { seen[row] = 1; order[++n] = row }; kind = "" }
    END {
      printf "%-18s %9s %9s %9s   (microseconds)\n", "type and view", "arrives", "repeated", "rendered"
      for (i = 1; i <= n; i++) { r = order[i]
        printf "%-18s %9.2f %9.2f %9.2f\n", r, us[r, "replyArrives"], us[r, "replyRepeated"], us[r, "tickWithRender"] }
    }'
