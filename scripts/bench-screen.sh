#!/usr/bin/env bash
# Runs the screen benchmarks (first picture, key to picture, idle load, zoom frames) on a virtual
# X display of 1920 x 1080, against the programs of the build folder. Each prints Lumivel's figure,
# the reference measured in the same run, and their ratio.
#   scripts/bench-screen.sh [--short]     (--short: a quick run that proves they work)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${LUMIVEL_BUILD_DIR:-$here/build}"
cmake --build "$build" --target bench_first_picture bench_key_to_picture bench_idle bench_zoom >/dev/null
source "$here/scripts/xvfb.sh"
work="$(mktemp -d "${TMPDIR:-/tmp}/lumivel-bench-screen.XXXXXX")"
trap 'kill "${XVFB_PID:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work" 1920x1080
unset QT_QPA_PLATFORM
for bench in first_picture key_to_picture idle zoom; do
  "$build/bench_$bench" "$@"
done
