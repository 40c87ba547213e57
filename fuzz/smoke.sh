#!/usr/bin/env bash
# Fuzzes every target for a few seconds, starting from the checked-in seed corpus, and fails on any
# crash, sanitizer report, leak, time-out or memory blow-up. New inputs go to a scratch folder, so
# the corpus in the tree stays as checked in; a failing input is kept under <build>/fuzz-artifacts.
#
#   fuzz/smoke.sh [build dir (default build-fuzz)] [seconds per target (default 10)]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build-fuzz}" && pwd)
seconds=${2:-10}
targets=(receive settings address)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$top/fuzz/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts"

for target in "${targets[@]}"; do
  binary=$build/fuzz/fuzz_$target
  [[ -x $binary ]] || { echo "missing $binary: build the commtest_fuzzers target first" >&2; exit 1; }
  mkdir -p "$scratch/$target"
  log=$scratch/$target.log
  if ! "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=5 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" "$scratch/$target" "$top/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz_$target FAILED; input kept in $artifacts" >&2
    grep -v -E '^#[0-9]+' "$log" | tail -n 60 >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  peak=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
  last=$(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$log" | tail -n 1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([^ ]*\).*/\1/p' <<<"$last")
  echo "fuzz_$target: ok, $runs runs, $speed exec/s, coverage $cov, corpus $corp, peak $peak MB"
done
