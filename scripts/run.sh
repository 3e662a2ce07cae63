#!/usr/bin/env bash
# Starts the staged program from its own folder, as an installed copy would run.
set -euo pipefail
build=${1:-build}
prog="$build/stage/Tarnwell/Korvane"
if [ -x "$prog/korvane" ]; then
  cd "$prog" && exec ./korvane "${@:2}"
elif [ -x "$prog/korvane-price" ]; then
  cd "$prog" && exec ./korvane-price StraightRect "${@:2}"
else
  echo "The program has not been built yet." >&2
  exit 1
fi
