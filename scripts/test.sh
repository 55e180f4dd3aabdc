#!/usr/bin/env bash
# Installs, builds and runs the whole test suite; builds the release as a package is built and
# checks what it installs and packages; then runs the suite once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
jobs="$(nproc)"
bash scripts/build.sh dev
ctest --preset dev -j "$jobs"
# The benchmarks, small: they must run through; their times are not held to here.
build/bench_index_load --short
build/bench_load_picture --short
build/bench_metafile --short
build/bench_zoom_memory --short
bash scripts/build.sh release
bash tests/install/check_install.sh build-release
bash scripts/build.sh asan
ctest --preset asan -j "$jobs"
