#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build (make fuzz) for a number of seconds,
# two at a time and at low priority, then sums up executions, coverage and
# findings per target. The corpus each run grows is kept in the build folder
# for the next run; the seeds in tests/fuzz/corpus are only read.
# Usage: run-fuzz.sh <fuzz build folder> [seconds per target] [targets at a time]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-60}
parallel=${3:-2}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$build/fuzz-run
rm -rf "$out/logs" "$out/findings"
mkdir -p "$out/corpus" "$out/logs" "$out/findings"

run_one() {
  local binary=$1 name
  name=$(basename "$binary")
  name=${name#fuzz_}
  mkdir -p "$out/corpus/$name"
  echo "== $name: $seconds s"
  # A finding ends the run of its target; its input lands in findings/.
  UBSAN_OPTIONS=print_stacktrace=1 nice -n 10 "$binary" -max_total_time="$seconds" -timeout=30 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/findings/$name-" \
    "$out/corpus/$name" "$root/tests/fuzz/corpus/$name" >"$out/logs/$name.log" 2>&1 || true
}
export -f run_one
export out seconds root

ls "$build"/bin/fuzz_* | xargs -P "$parallel" -I{} bash -c 'run_one "$1"' _ {}

status=0
printf '%-20s %12s %10s %8s %8s  %s\n' target executions exec/s cov ft findings
for log in "$out"/logs/*.log; do
  name=$(basename "$log" .log)
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1)
  cov=$(sed -n 's/.*cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.*ft: \([0-9]*\).*/\1/p' <<<"$last")
  findings=$(find "$out/findings" -name "$name-*" | wc -l)
  printf '%-20s %12s %10s %8s %8s  %s\n' "$name" "${executions:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" "$findings"
  if [ "$findings" -gt 0 ] || ! grep -q '^Done ' "$log"; then
    status=1
    grep -m1 -E 'invariant broken|ERROR: ' "$log" || true
  fi
done
[ $status -eq 0 ] || echo "Findings and logs: $out" >&2
exit $status
