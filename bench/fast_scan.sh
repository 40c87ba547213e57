#!/usr/bin/env bash
# The scans against commtest-sim on a pseudo-terminal, timed by the program itself and by the
# simulator's --verbose log (not timed tests: the figures go into the README by hand).
#
#   bench/fast_scan.sh [bin dir (default build/bin)]
#
#  1. commtest-cli scan --fast 1-247 at 9600 baud, default bus (18 instruments, 20 ms turnaround):
#     instruments found, seconds, and the line-time limit for the time-outs the scan used.
#  2. The same with --half-duplex and instrument 5 answering after 300 ms: found, seconds, replies
#     garbled (from the first character: the request was on the line first; later: a request
#     started after the reply's first byte had gone out).
#  3. The standard scan of 1-18: milliseconds between requests.
#  4. 600 baud: the standard scan finds the LCD scanner (type 96) and its 140-character reply.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$top/build/bin}" && pwd)
work=$(mktemp -d)
sim_pid=
cleanup() {
  [[ -n $sim_pid ]] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

codes=(02 04 06 08 0A 0E 10 12 14 16 1E 1F 81 82 84 8A 8E 96)

# start_sim NAME ARGS...: the simulator in the background, its device in $dev.
start_sim() {
  local name=$1
  shift
  "$bin/commtest-sim" --verbose "$@" >"$work/$name.dev" 2>"$work/$name.log" &
  sim_pid=$!
  for _ in $(seq 100); do
    [[ -s $work/$name.dev ]] && break
    sleep 0.05
  done
  dev=$(head -1 "$work/$name.dev")
}
stop_sim() {
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  sim_pid=
}

# line_limit LOG SUMMARY BAUD TURNAROUND: the time the line itself needs for what the scan did:
# every request, every reply with its instrument's turnaround and a quiet gap of three characters
# after it, and the reply time-outs of the requests that got no reply (as the scan reports them).
line_limit() {
  awk -v baud="$3" -v turn="$4" -v summary="$(cat "$2")" '
    BEGIN {
      c = 10000.0 / baud
      match(summary, /no reply to [0-9]+ requests/); silent = substr(summary, RSTART + 12, RLENGTH - 21) + 0
      match(summary, /[0-9]+ ms of time-outs/); waited = substr(summary, RSTART, RLENGTH - 15) + 0
    }
    $2 == "<-" { requests++; line = $3; gsub(/<CR>/, "x", line); total += length(line) * c }
    $2 == "->" { replies++; line = $3; gsub(/<CR>/, "x", line); total += turn + length(line) * c + 3 * c }
    END {
      total += waited
      printf "requests %d, replies %d; no reply to %d, time-outs %.1f s: line-time limit %.1f s\n",
        requests, replies, silent, waited / 1000, total / 1000
      print total / 1000 > "/dev/stderr"
    }' "$1"
}

echo "== 1. fast scan 1-247, 9600 baud, default bus"
start_sim fast --delay 20
start=$(date +%s.%N)
"$bin/commtest-cli" scan --port "$dev" --baud 9600 --fast 1-247 >"$work/fast.out" 2>"$work/fast.err" || true
end=$(date +%s.%N)
stop_sim
cat "$work/fast.out"
grep "fast scan" "$work/fast.err" | tee "$work/fast.summary"
line_limit "$work/fast.log" "$work/fast.summary" 9600 20 2>"$work/fast.limit"
measured=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", e - s }')
awk -v m="$measured" -v l="$(cat "$work/fast.limit")" 'BEGIN { printf "wall %.1f s (process start to exit), ratio to the line-time limit %.2f\n", m, m / l }'

echo "== 2. fast scan 1-247, half-duplex, instrument 5 answers after 300 ms"
args=(--delay 20 --half-duplex)
for a in $(seq 18); do
  item="$a:${codes[$((a - 1))]}"
  [[ $a == 5 ]] && item="$item:300"
  args+=(--instrument "$item")
done
start_sim half "${args[@]}"
start=$(date +%s.%N)
"$bin/commtest-cli" scan --port "$dev" --baud 9600 --fast 1-247 >"$work/half.out" 2>"$work/half.err" || true
end=$(date +%s.%N)
stop_sim
tail -1 "$work/half.out"
grep "fast scan" "$work/half.err" || true
awk -v s="$start" -v e="$end" 'BEGIN { printf "wall %.1f s\n", e - s }'
echo "replies garbled: $(grep -c ' xx ' "$work/half.log" || true)," \
  "of them from the first character (request already on the line): $(grep -c 'garbled from character 1 of' "$work/half.log" || true)," \
  "later (a request after a reply's first byte): $(grep ' xx ' "$work/half.log" | grep -vc 'garbled from character 1 of' || true);" \
  "requests unheard because they met a reply: $(grep -c 'met a reply' "$work/half.log" || true);" \
  "requests to 05: $(grep -c '<- @05RD' "$work/half.log" || true)"

echo "== 3. standard scan 1-18, milliseconds between requests"
start_sim standard --delay 20
"$bin/commtest-cli" scan --port "$dev" --baud 9600 1-18 >"$work/standard.out" 2>&1 || true
stop_sim
tail -1 "$work/standard.out"
awk '$2 == "<-" { split($1, t, ":"); ms = (t[1] * 3600 + t[2] * 60 + t[3]) * 1000; if (prev) { d = ms - prev; n++; sum += d; if (!min || d < min) min = d; if (d > max) max = d } prev = ms }
     END { printf "%d gaps: min %d, mean %.1f, max %d ms\n", n, min, sum / n, max }' "$work/standard.log"

echo "== 4. 600 baud, standard scan of 1-3 with the LCD scanner at 2"
start_sim slow600 --baud 600 --delay 20 --instrument 1:02 --instrument 2:96 --instrument 3:16
"$bin/commtest-cli" scan --port "$dev" --baud 600 1-3 >"$work/slow600.out" 2>&1 || true
stop_sim
cat "$work/slow600.out"
echo "reply of 02: $(grep -- '-> @02' "$work/slow600.log" | head -1 | awk '{ l = $3; gsub(/<CR>/, "x", l); print length(l) }') characters"
