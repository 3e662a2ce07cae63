#!/usr/bin/env bash
# Times korvane-price --batch on generated lines of all fifteen types, as a
# user would run it: the staged program, a file in, a file out.
#   bench/app/batch_throughput.sh [build-folder] [lines]
set -euo pipefail
build=${1:-build}
lines=${2:-1000000}
here=$(cd "$(dirname "$0")" && pwd)
prog="$build/stage/Tarnwell/Korvane/korvane-price"
[ -x "$prog" ] || { echo "build korvane-price first ($prog)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v N="$lines" -f "$here/batch_lines.awk" > "$work/items.txt"
for format in --csv --json; do
  for jobs in 1 2; do
    start=$(date +%s.%N)
    "$prog" --batch "$work/items.txt" $format --jobs $jobs > "$work/out"
    end=$(date +%s.%N)
    awk -v n="$lines" -v s="$start" -v e="$end" -v f="$format" -v j="$jobs" \
      'BEGIN { printf "%-7s jobs=%d  %8.3f s  %10.0f items/s\n", f, j, e - s, n / (e - s) }'
  done
done
