#!/usr/bin/env bash
# Start-up time and memory of the staged korvane on an X server: uses
# $DISPLAY when set, else a private Xvfb for the length of the run.
#   bench/app_ui/measure_start.sh [build-folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
probe="$build/bench/app_ui/korvane_start_probe"
program="$(cd "$build/stage/Tarnwell/Korvane" && pwd)/korvane"
[ -x "$probe" ] && [ -x "$program" ] || { echo "build korvane and korvane_start_probe first" >&2; exit 1; }
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$probe" "$program" "$runs"
fi
exec "$probe" "$program" "$runs"
