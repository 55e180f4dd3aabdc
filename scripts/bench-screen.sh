#!/usr/bin/env bash
# Runs the screen benchmarks (first picture, key to picture, idle load, zoom frames) on a virtual
# X display of 1920 x 1080, against the programs of the build folder. Each prints Lumivel's figure,
# the reference measured in the same run, and their ratio.
#   scripts/bench-screen.sh [--short]     (--short: a quick run that proves they work)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${LUMIVEL_BUILD_DIR:-$here/build}"
cmake --build "$build" --target bench_first_picture bench_key_to_picture bench_idle bench_zoom >/dev/null
# An X server of its own, on a display number it chooses free; -noreset keeps it between clients.
work="$(mktemp -d "${TMPDIR:-/tmp}/lumivel-bench-screen.XXXXXX")"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -br -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
number=""
for _ in $(seq 100); do
  number="$(cat "$work/display" 2>/dev/null)"
  [ -n "$number" ] && break
  sleep 0.1
done
[ -n "$number" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$number"
unset QT_QPA_PLATFORM
for bench in first_picture key_to_picture idle zoom; do
  "$build/bench_$bench" "$@"
done
