#!/usr/bin/env bash
# Start-up: milliseconds from launch until the search dialog has been painted, and resident memory
# at that moment, for build/bin/commtest in Chinese and in English and, as the yardstick, for a
# bare Qt window started and measured the same way. Median of N runs after one warm-up run (font
# and disk caches), under Xvfb.
# A preloaded probe (libcommtest_startup_probe.so) watches for the window; the program is unchanged.
#
#   bench/startup.sh [build dir (default build-bench)] [runs (default 10)]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build-bench}" && pwd)
runs=${2:-10}
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
unset QT_QPA_PLATFORM
probe=$build/bench/libcommtest_startup_probe.so

# One launch: prints "startup_ms=... rss_kb=...".
launch() {
  local title=$1 program=$2
  shift 2
  COMMTEST_PROBE_TITLE=$title LD_PRELOAD=$probe COMMTEST_PROBE_T0=$EPOCHREALTIME \
    timeout 30 "$program" "$@" 2>/dev/null | grep '^startup_ms=' || {
    echo "no probe report from $program" >&2
    return 1
  }
}

# Median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure() {
  local name=$1 title=$2 program=$3 results=()
  shift 3
  launch "$title" "$program" "$@" >/dev/null
  for ((i = 0; i < runs; i++)); do results+=("$(launch "$title" "$program" "$@")"); done
  local ms rss
  ms=$(printf '%s\n' "${results[@]}" | sed 's/startup_ms=\([^ ]*\).*/\1/' | median)
  rss=$(printf '%s\n' "${results[@]}" | sed 's/.*rss_kb=\([0-9]*\).*/\1/' | median)
  printf '%-26s start-up %7.1f ms   resident %6.1f MB   (median of %d)\n' "$name" "$ms" "$(awk "BEGIN { print $rss / 1024 }")" "$runs"
}

measure "bare Qt window" "bare" "$build/bench/commtest-bench-bare"
measure "commtest, search dialog" "搜索" "$build/bin/commtest" --lang zh
measure "commtest, English" "Search" "$build/bin/commtest" --lang en
