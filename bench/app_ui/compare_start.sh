#!/usr/bin/env bash
# Start-up of both windows side by side with a bare Qt window: each round
# starts the bare window, korvane and korvane-bill on the example job once
# each, in turn, on the same X server, so a machine that slows down for a
# while slows all three alike. Prints each round's times and then the
# medians, with each program's lead over the bare window.
#   bench/app_ui/compare_start.sh [build-folder] [rounds]
# The build folder is an optimised one with the benchmarks on (make bench).
# Uses $DISPLAY when set, else a private Xvfb for the length of the run.
set -euo pipefail
build=$(cd "${1:-build-bench}" && pwd)
rounds=${2:-7}
probe="$build/bench/app_ui/korvane_start_probe"
bare="$build/bench/bill_ui/korvane_bare_window"
folder="$build/stage/Tarnwell/Korvane"
job="../Data Files/level2-office.dct"
for program in "$probe" "$bare" "$folder/korvane" "$folder/korvane-bill"; do
  [ -x "$program" ] || { echo "build $program first (make bench)" >&2; exit 1; }
done
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$rounds"
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

# One start of a program with its arguments; prints the milliseconds to its
# first mapped window.
start_ms() {
  "$probe" "$1" 1 "${@:2}" | sed -n 's/^median: start to mapped window \([0-9.]*\) ms.*/\1/p'
}

echo "round    bare  korvane  korvane-bill  (ms to the first mapped window)"
times=$(for round in $(seq "$rounds"); do
  b=$(start_ms "$bare")
  k=$(start_ms "$folder/korvane")
  j=$(start_ms "$folder/korvane-bill" "$job")
  printf '%5d %7.1f %8.1f %13.1f\n' "$round" "$b" "$k" "$j" >&2
  echo "$b $k $j"
done)
echo "$times" | awk '
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
    printf "over the bare window: korvane %+.1f ms, korvane-bill %+.1f ms\n", mk - mb, mj - mb
  }'
