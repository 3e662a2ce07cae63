#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build one after another, each for a while,
# starting from its committed corpus under fuzz/corpus/<target>.
#
#   scripts/fuzz.sh BUILD SECONDS [TARGET...]
#
# What a run finds is kept under BUILD/fuzz/work/<target> (the growing corpus,
# reused by the next run) and BUILD/fuzz/artifacts/<target> (crashes, leaks,
# time-outs). A target fails when it stops on a finding. Ends with a line
# "N passed, N failed".
set -euo pipefail
build=${1:?build folder}
seconds=${2:?seconds per target}
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets <"$build/fuzz/targets.txt"
fi

passed=0
failed=0
failures=()
for t in "${targets[@]}"; do
  [ -n "$t" ] || continue
  exe="$build/fuzz/$t"
  if [ ! -x "$exe" ]; then
    echo "$t: not built" >&2
    failed=$((failed + 1))
    failures+=("$t")
    continue
  fi
  work="$build/fuzz/work/$t"
  artifacts="$build/fuzz/artifacts/$t"
  mkdir -p "$work" "$artifacts"
  log="$build/fuzz/$t.log"
  # One process, one job: the machine is shared. A run that takes more than
  # 10 s on one input counts as a hang.
  if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    echo "$t: ${runs:-?} runs in ${seconds} s, no finding"
    passed=$((passed + 1))
  else
    echo "$t: FINDING, see $log and $artifacts" >&2
    grep -E "property violated|ERROR:|SUMMARY" "$log" | head -5 >&2 || true
    failed=$((failed + 1))
    failures+=("$t")
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
