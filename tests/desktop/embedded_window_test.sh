#!/usr/bin/env bash
# lumivel /s with XSCREENSAVER_WINDOW naming a 320 x 240 window of another program, placed at
# (300, 80) on a 640 x 480 screen: the show is drawn inside that window, fitted to that window's
# size, and nothing of it shows outside.
#   embedded_window_test.sh LUMIVEL X11_PROBE
set -euo pipefail
lumivel="$1"
probe="$2"
source "$(dirname "$0")/desktop_lib.sh"
skip_unless Xvfb cjpeg

work="$(mktemp -d)"
lumivel_pid=""
host_pid=""
cleanup() {
  stop_pid "$lumivel_pid"
  stop_pid "$host_pid"
  stop_pid "${XVFB_PID:-}"
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"
make_drive "$work/c"

"$probe" window 320 240 300 80 > "$work/host" &
host_pid=$!
for _ in $(seq 50); do [ -s "$work/host" ] && break; sleep 0.1; done
host="$(cat "$work/host")"
[ -n "$host" ] || { echo "FAILED: the host window was not made"; exit 1; }

(cd "$work" && exec env XSCREENSAVER_WINDOW="$host" LUMIVEL_DRIVE_C="$work/c" HOME="$work" \
  QT_QPA_PLATFORM=xcb "$lumivel" /s > "$work/lumivel.log" 2>&1) &
lumivel_pid=$!

# The picture fills the window (the picture and the window are both 4:3): red in its left half,
# blue in its right half, at mid-height. Drawn over the whole screen instead, it would be blue at
# both points; drawn at the screen's size into the window, red at both.
started=$SECONDS
until shows_two_colours "$probe" 380,200 540,200; do
  if ! running "$lumivel_pid"; then
    echo "FAILED: lumivel ended before showing its picture:"
    cat "$work/lumivel.log"
    exit 1
  fi
  if [ $((SECONDS - started)) -ge 30 ]; then
    echo "FAILED: no picture in the window after 30 s; the screen at (380,200) and (540,200):"
    "$probe" pixels 380,200 540,200
    exit 1
  fi
  sleep 0.2
done
echo "picture in the host window after $((SECONDS - started)) s"

for outside in 150,200 630,200 460,40 460,400; do
  is_black "$probe" "$outside" || {
    echo "FAILED: the show reaches outside the host window, at $outside: $("$probe" pixels "$outside")"
    exit 1
  }
done
[ "$("$probe" children "$host")" -ge 1 ] || { echo "FAILED: the host window holds no window"; exit 1; }
echo "embedded window: 1 passed, 0 failed"
