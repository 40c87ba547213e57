#!/usr/bin/env bash
# Brings the English translation file i18n/commtest_en.ts up to date with the program's texts:
# every Chinese string literal of the sources (outside tests/, fuzz/, bench/) is a text; translations
# already there are kept, new texts come in unfinished, and what still needs English is listed.
# Then translate those (Qt Linguist: linguist i18n/commtest_en.ts, or by hand: fill <translation>
# and remove type="unfinished"), and the test test_translation passes again.
#
#   i18n/refresh-ts.sh [build dir (default build)]     refresh and list
#   i18n/refresh-ts.sh --check [build dir]               only list; status 1 when something is missing
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
check=()
if [[ ${1:-} == --check ]]; then
  check=(--check)
  shift
fi
build=${1:-$top/build}
cmake --build "$build" --target commtest-ts-refresh >/dev/null
exec "$build/i18n/commtest-ts-refresh" "${check[@]}" "$top"
