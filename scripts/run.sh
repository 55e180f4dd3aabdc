#!/usr/bin/env bash
# Installs what the build needs, builds, and runs the slideshow: lumivel /s.
# With a display ($DISPLAY or $WAYLAND_DISPLAY) the program runs on it until it is quit. Without
# one it runs on Qt's offscreen platform (a 1920 x 1080 screen) for LUMIVEL_RUN_SECONDS (30 by
# default) and saves a PNG of the screen for each picture and each box in a folder named on stdout.
# On a data drive with no settings yet, a sample album is made and chosen as the folder to show.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build"
bash "$here/scripts/build.sh" dev

# Drive C as the program maps it; the data folder C:\Lumivel is matched without regard to case.
drive_c="${LUMIVEL_DRIVE_C:-${XDG_DATA_HOME:-${HOME:-/tmp}/.local/share}/lumivel/drive_c}"
mkdir -p "$drive_c"
data_dir="$(find "$drive_c" -mindepth 1 -maxdepth 1 -type d -iname lumivel -print -quit)"
data_dir="${data_dir:-$drive_c/Lumivel}"
if [ -z "$(find "$data_dir" -maxdepth 1 -type f -iname lumivel.rep -print -quit 2>/dev/null)" ]; then
  "$build/make_sample_album" "$drive_c/Photos exemple"
  mkdir -p "$data_dir"
  # The root list and its check marks, as the program writes them: CR LF line ends.
  printf 'C:\\Photos exemple\r\n' > "$data_dir/lumivel.rep"
  printf 'true\r\n' > "$data_dir/lumivel.repflag"
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/lumivel" /s
fi

seconds="${LUMIVEL_RUN_SECONDS:-30}"
snapshots="$(mktemp -d "${TMPDIR:-/tmp}/lumivel-snapshots.XXXXXX")"
screen="$(mktemp "${TMPDIR:-/tmp}/lumivel-screen.XXXXXX")"
trap 'rm -f "$screen"' EXIT
printf '{"screens": [{"name": "lumivel", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}\n' > "$screen"
echo "No display: running lumivel /s offscreen for ${seconds} s; snapshots in $snapshots"
status=0
QT_QPA_PLATFORM="offscreen:configfile=$screen" LUMIVEL_SNAPSHOTS="$snapshots" \
  timeout "$seconds" "$build/lumivel" /s || status=$?
if [ "$status" -eq 124 ]; then
  echo "The run was ended after ${seconds} s."
else
  echo "lumivel ended with exit code $status."
fi
echo "$(find "$snapshots" -name '*.png' | wc -l) snapshots in $snapshots"
