#!/usr/bin/env bash
# The terminal open for ten minutes on a faulty simulated line (19200 baud, --garbage --noise
# --echo) while a poller asks 18 instruments every 30 ms: this process's CPU share and resident
# memory growth, and the lines the terminal holds (at most 100,000), under Xvfb. With
# --instructions the run goes under valgrind's callgrind, which adds the instructions per minute:
# a count that does not change with how busy the machine is, as the CPU share does.
#
#   bench/terminal_soak.sh [--instructions] [build dir (default build-bench)] [seconds (default 600)]
#                          [interval ms (30)] [more options of commtest-bench-terminal, e.g. --hidden]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
count=()
if [[ ${1:-} == --instructions ]]; then
  command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
  count=(--instructions)
  shift
fi
build=$(cd "${1:-$top/build-bench}" && pwd)
seconds=${2:-600}
interval=${3:-30}
shift $(($# > 3 ? 3 : $#))
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "${count[@]}" "$build" "$seconds" "$interval" "$@"
fi
unset QT_QPA_PLATFORM
bench=("$build/bench/commtest-bench-terminal" --seconds "$seconds" --interval "$interval" "$@")
if ((${#count[@]} == 0)); then
  exec "${bench[@]}" 2>/dev/null
fi
source "$top/bench/instructions.sh"
with_instructions terminal "$seconds" "${bench[@]}"
