# Sourced by the benchmarks that count instructions: runs a benchmark under valgrind's callgrind,
# which counts from the end of its warm-up to its dump named DUMP (bench/callgrind_marks.h), and
# prints the benchmark's line with the instructions per minute added.
#
#   with_instructions DUMP SECONDS benchmark [arguments...]
with_instructions() {
  local dump=$1 seconds=$2 out line total
  shift 2
  out=$(mktemp -d)
  line=$(valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$out/cg.%p" "$@" 2>/dev/null)
  total=$(grep -l "Client Request: $dump" "$out"/cg.* | xargs grep -h '^totals:' | awk '{ print $2 }')
  rm -rf "$out"
  echo "$line instructions_per_min=$(awk -v t="$total" -v s="$seconds" 'BEGIN { printf "%.0f", t * 60 / s }')"
}
