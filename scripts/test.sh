#!/usr/bin/env bash
# Installs, builds and runs the whole test suite, then runs it once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export QT_QPA_PLATFORM=offscreen
LUMIVEL_BUILD_DIR="$here/build" bash "$here/scripts/build.sh"
(cd "$here/build" && ctest --output-on-failure -j "$(nproc)")
# The benchmarks, small: they must run through; their times are not held to here.
"$here/build/bench_index_load" --short
"$here/build/bench_load_picture" --short
"$here/build/bench_zoom_memory" --short
LUMIVEL_BUILD_DIR="$here/build-asan" LUMIVEL_BUILD_TYPE=Debug \
  bash "$here/scripts/build.sh" -DLUMIVEL_SANITIZE=ON -DLUMIVEL_BUILD_QT=OFF
(cd "$here/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$(nproc)")
