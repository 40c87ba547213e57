#!/usr/bin/env bash
# The history store on a 16-reading instrument: milliseconds to record one poll (flushed to disk
# after every poll, and not), bytes per reading value, and a generated week of 2-second polls opened,
# read over ranges and exported to CSV. The files go to a temporary folder on the disk of --dir
# (default the system's temporary folder), which is where the flush time comes from.
#
#   bench/history.sh [build dir (default build-bench)] [--dir FOLDER] [--polls N] [--week FILE]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-bench
if [[ $# -gt 0 && $1 != --* ]]; then
  build=$(cd "$1" && pwd)
  shift
fi
"$build/bench/commtest-bench-history" "$@"
