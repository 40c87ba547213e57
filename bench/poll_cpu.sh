#!/usr/bin/env bash
# Per minute of polling, under Xvfb: CPU time, wake-ups and paints of the program (main window,
# instrument list and a diagnosis window polling the simulator: one request every 2 s, a receive
# tick every 80 ms), for every instrument type, after one line for the main window left idle.
# Wake-ups and paints do not depend on how busy the machine is; CPU time does. With
# --instructions each run goes under valgrind's callgrind, which adds the instructions per minute
# (a count a busy machine does not disturb either; the CPU figures are valgrind's then).
#
#   bench/poll_cpu.sh [--instructions] [build dir (default build-bench)] [seconds per type (default 60)]
#                     [type codes, or idle for the main window alone...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
count=()
if [[ ${1:-} == --instructions ]]; then
  command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
  count=(--instructions)
  shift
fi
build=$(cd "${1:-$top/build-bench}" && pwd)
seconds=${2:-60}
shift $(($# > 2 ? 2 : $#))
types=("$@")
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "${count[@]}" "$build" "$seconds" "${types[@]}"
fi
unset QT_QPA_PLATFORM
bench=$build/bench/commtest-bench-poll
source "$top/bench/instructions.sh"

# One run; its line, with the instructions per minute added when they are counted.
run() {
  if ((${#count[@]} == 0)); then
    "$bench" "$@" --seconds "$seconds" 2>/dev/null
  else
    with_instructions polling "$seconds" "$bench" "$@" --seconds "$seconds"
  fi
}

if ((${#types[@]} == 0)); then
  mapfile -t types < <("$bench" --list-types)
  run --idle
fi
for type in "${types[@]}"; do
  if [[ $type == idle ]]; then run --idle; else run --type "$type"; fi
done
