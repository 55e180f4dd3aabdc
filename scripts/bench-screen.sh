#!/usr/bin/env bash
# Runs the screen benchmarks (first picture, key to picture, idle load, zoom frames) on a virtual
# X display of 1920 x 1080, against the programs of the build folder. Each prints Lumivel's figure,
# the reference measured in the same run, and their ratio.
#   scripts/bench-screen.sh [--short]     (--short: a quick run that proves they work)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${LUMIVEL_BUILD_DIR:-$here/build}"
cmake --build "$build" --target bench_first_picture bench_key_to_picture bench_idle bench_zoom >/dev/null
display=":$(( 90 + RANDOM % 100 ))"
Xvfb "$display" -screen 0 1920x1080x24 -br -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY="$display"
unset QT_QPA_PLATFORM
for bench in first_picture key_to_picture idle zoom; do
  "$build/bench_$bench" "$@"
done
