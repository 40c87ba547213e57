#!/usr/bin/env bash
# The terminal open for ten minutes on a faulty simulated line (19200 baud, --garbage --noise
# --echo) while a poller asks 18 instruments every 30 ms: this process's CPU share and resident
# memory growth, and the lines the terminal holds (at most 100,000), under Xvfb.
#
#   bench/terminal_soak.sh [build dir (default build-bench)] [seconds (default 600)] [interval ms (30)]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build-bench}" && pwd)
seconds=${2:-600}
interval=${3:-30}
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$seconds" "$interval"
fi
unset QT_QPA_PLATFORM
"$build/bench/commtest-bench-terminal" --seconds "$seconds" --interval "$interval" 2>/dev/null
