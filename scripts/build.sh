#!/usr/bin/env bash
# Installs what the build needs, then configures and builds one of the project's presets
# (CMakePresets.json): dev (the default, into build/), asan, fuzz or release.
#   scripts/build.sh [PRESET [BUILD_ARGS...]]    e.g. scripts/build.sh release --target lumivel
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
preset="${1:-dev}"
shift || true
bash "$here/scripts/install-deps.sh"
cd "$here"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" "$@"
