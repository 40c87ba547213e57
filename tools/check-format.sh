#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes of it (.clang-format
# holds the house style). With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
# Files in batches, as many batches at once as there are cores; each prints its file when it differs.
mapfile -t bad < <(printf '%s\0' "${files[@]}" |
  xargs -0 -n 16 -P "$(nproc)" sh -c 'for f; do clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || echo "$f"; done' _ |
  sort)
if ((${#bad[@]})); then
  printf 'Not formatted (run tools/check-format.sh --fix):\n' >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "format: ${#files[@]} files checked, all formatted"
