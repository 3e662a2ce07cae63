#!/usr/bin/env bash
# Start-up of both windows side by side with a bare Qt window: each round
# starts the bare window, korvane and korvane-bill on the example job once
# each, in turn, on the same X server, so a machine that slows down for a
# while slows all three alike. Prints each round's times, the medians and
# how much longer than the bare window each program takes.
#   bench/app_ui/compare_start.sh [build-folder] [rounds]
# The build folder is an optimised one with the benchmarks on (make bench).
# Uses $DISPLAY when set, else a private Xvfb for the length of the run.
set -euo pipefail
build=$(CDPATH='' cd -- "${1:-build-bench}" && pwd)
rounds=${2:-7}
[[ $rounds =~ ^[1-9][0-9]*$ ]] || { echo "rounds must be a whole number above 0" >&2; exit 2; }
probe="$build/bench/app_ui/korvane_start_probe"
bare="$build/bench/bill_ui/korvane_bare_window"
folder="$build/stage/Tarnwell/Korvane"
# The probe starts each program in its own folder, as an installed copy runs.
job="../Data Files/level2-office.dct"
for program in "$probe" "$bare" "$folder/korvane" "$folder/korvane-bill"; do
  [ -x "$program" ] || { echo "build $program first (make bench)" >&2; exit 1; }
done
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$rounds"
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
times=$(mktemp)
trap 'rm -f "$times"' EXIT

# One start of a program with its arguments; prints the milliseconds to its
# first mapped window, and fails when the probe saw none.
start_ms() {
  local report ms
  report=$("$probe" "$1" 1 "${@:2}") || return 1
  ms=$(sed -n 's/^median: start to mapped window \([0-9.]*\) ms.*/\1/p' <<<"$report")
  [ -n "$ms" ] && echo "$ms"
}

echo "round    bare  korvane  korvane-bill  (ms to the first mapped window)"
for round in $(seq "$rounds"); do
  b=$(start_ms "$bare") || { echo "the bare window did not start" >&2; exit 1; }
  k=$(start_ms "$folder/korvane") || { echo "korvane did not start" >&2; exit 1; }
  j=$(start_ms "$folder/korvane-bill" "$job") || { echo "korvane-bill did not start" >&2; exit 1; }
  printf '%5d %7.1f %8.1f %13.1f\n' "$round" "$b" "$k" "$j"
  echo "$b $k $j" >>"$times"
done
awk '
  { b[NR] = $1; k[NR] = $2; j[NR] = $3 }
  function median(a, n,   i, t, s, sorted) {
    for (i = 1; i <= n; ++i) sorted[i] = a[i]
    for (i = 2; i <= n; ++i)
      for (s = i; s > 1 && sorted[s - 1] > sorted[s]; --s) {
        t = sorted[s]; sorted[s] = sorted[s - 1]; sorted[s - 1] = t
      }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
  }
  END {
    mb = median(b, NR); mk = median(k, NR); mj = median(j, NR)
    printf "median %6.1f %8.1f %13.1f  (%d rounds)\n", mb, mk, mj, NR
    printf "longer than the bare window: korvane %+.1f ms, korvane-bill %+.1f ms\n", mk - mb, mj - mb
  }' "$times"
