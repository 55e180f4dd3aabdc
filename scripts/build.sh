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
configure() {
  local out
  out="$(cmake --preset "$preset" 2>&1)" || { echo "$out" >&2; return 1; }
  # A folder configured before with another compiler gets a new cache, without the preset's
  # values: a second configure puts them in.
  if grep -q "cache to be deleted" <<< "$out"; then cmake --preset "$preset" >/dev/null; fi
}
configure
cmake --build --preset "$preset" -j "$(nproc)" "$@"
