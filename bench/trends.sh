#!/usr/bin/env bash
# What the trend charts cost, offscreen, in a 1280 x 800 window:
#   live poll + paint   one poll added to a following live trend with 24 h (43,200 polls) per
#                       reading in view, then the whole window painted (QWidget::grab)
#   live as shown       the same poll, painted the way the window system asks (only what changed)
#   live view moves     the view moved by one pixel column and the whole window painted: every
#                       line drawn anew (a pan, a zoom, or the following view moving on)
#   history week        a week of one reading (302,400 polls) handed to a chart and painted
# Milliseconds per poll (or per view), median of 5 runs of 40; with --cpu the process's CPU time
# (perf's task-clock), which a busy machine disturbs less than wall time.
#
#   bench/trends.sh [build dir (default build-bench)] [--cpu]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-bench
mode=(-iterations 40 -median 5)
unit="wall"
for arg in "$@"; do
  case $arg in
    --cpu) mode=(-perf -perfcounter task-clock -iterations 40 -median 5) unit="CPU" ;;
    *) build=$(cd "$arg" && pwd) ;;
  esac
done
# Each row builds a day of polls five times over: longer than QtTest's five minutes per function.
QTEST_FUNCTION_TIMEOUT=3600000 QT_QPA_PLATFORM=offscreen "$build/bench/commtest-bench-trends" "${mode[@]}" 2>/dev/null |
  awk -v unit="$unit" '
    /^RESULT/ { match($0, /::[a-zA-Z]+\(\)/); kind = substr($0, RSTART + 2, RLENGTH - 4)
                match($0, /"[^"]*"/); row = substr($0, RSTART + 1, RLENGTH - 2); next }
    kind != "" && /per iteration/ {
      value = $1; gsub(",", "", value)
      if ($2 == "nsecs") value /= 1e6
      printf "%-18s %-44s %9.2f ms (%s)\n", kind, row, value, unit
      kind = "" }
    /^FAIL/ { print; failed = 1 }
    END { exit failed }'
