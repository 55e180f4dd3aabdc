#!/usr/bin/env bash
# Installs what the build needs, then configures and builds into build/ (or $LUMIVEL_BUILD_DIR).
# Extra arguments go to CMake's configure step.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
build="${LUMIVEL_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${LUMIVEL_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
