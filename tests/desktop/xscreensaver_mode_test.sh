#!/usr/bin/env bash
# Lumivel as XScreenSaver's only display mode, set up as the README says, on a 640 x 480 Xvfb
# screen. Activated: lumivel /s runs inside XScreenSaver's window and its picture is on the screen
# within seconds. Deactivated: XScreenSaver ends it with SIGTERM, it is gone, and its history
# file names the picture it showed. XScreenSaver runs no display mode as root, so as root (CI)
# the daemon runs as the user nobody.
#   xscreensaver_mode_test.sh LUMIVEL X11_PROBE
set -euo pipefail
lumivel="$1"
probe="$2"
source "$(dirname "$0")/desktop_lib.sh"
skip_unless Xvfb cjpeg xscreensaver xscreensaver-command

as_user=()
if [ "$(id -u)" -eq 0 ]; then
  skip_unless setpriv
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

work="$(mktemp -d)"
chmod 755 "$work"
saver_pid=""
cleanup() {
  if [ -n "$saver_pid" ]; then
    "${as_user[@]}" env "${saver_env[@]}" xscreensaver-command -exit >/dev/null 2>&1 || true
    stop_pid "$saver_pid"
  fi
  stop_pid "${XVFB_PID:-}"
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"
make_drive "$work/c"
mkdir -p "$work/home"
# The line of the README, as the only display mode; no fading, no lock, no splash screen.
cat > "$work/home/.xscreensaver" <<'CONF'
timeout:	0:30:00
cycle:	0:00:00
lock:	False
fade:	False
unfade:	False
splash:	False
dpmsEnabled:	False
mode:	one
selected:	0
programs:	\
  "Lumivel"  lumivel /s \n\

CONF
# "lumivel" is found on the path, as an installed one would be; a copy, since the build folder
# may lie where the user nobody cannot go.
mkdir -p "$work/bin"
cp "$lumivel" "$work/bin/lumivel"
[ "$(id -u)" -eq 0 ] && chown -R nobody:nogroup "$work/c" "$work/home"

saver_env=(-i "HOME=$work/home" "DISPLAY=$DISPLAY" "PATH=$work/bin:/usr/bin:/bin"
           "LUMIVEL_DRIVE_C=$work/c")
"${as_user[@]}" env "${saver_env[@]}" setsid xscreensaver -no-splash -verbose \
  > "$work/xscreensaver.log" 2>&1 &
saver_pid=$!
saver_command() { "${as_user[@]}" env "${saver_env[@]}" xscreensaver-command "$@"; }
fail() {
  echo "FAILED: $*"
  echo "--- xscreensaver's log:"
  cat "$work/xscreensaver.log"
  exit 1
}
# The running display mode: a process of the daemon's session.
mode_pid() { pgrep -s "$saver_pid" -x lumivel || true; }

for _ in $(seq 100); do saver_command -time >/dev/null 2>&1 && break; sleep 0.1; done
saver_command -time >/dev/null 2>&1 || fail "xscreensaver did not start"

saver_command -activate >/dev/null
started=$SECONDS
# The picture fills the screen: red on the left, blue on the right, at mid-height.
until shows_two_colours "$probe" 160,240 480,240; do
  [ $((SECONDS - started)) -lt 30 ] ||
    fail "no picture 30 s after activation; the screen: $("$probe" pixels 160,240 480,240 | tr '\n' ' ')"
  sleep 0.2
done
echo "picture on the screen $((SECONDS - started)) s after activation"
pid="$(mode_pid)"
[ -n "$pid" ] || fail "the picture shows, but no lumivel runs under xscreensaver"
window="$(tr '\0' '\n' < "/proc/$pid/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')"
[ -n "$window" ] || fail "lumivel was not given XSCREENSAVER_WINDOW"
[ "$("$probe" children "$window")" -ge 1 ] ||
  fail "lumivel made its own window instead of drawing in XScreenSaver's ($window)"

# Shown long enough for its turn to be recorded, then XScreenSaver ends it.
sleep 2
saver_command -deactivate >/dev/null
started=$SECONDS
while running "$pid"; do
  [ $((SECONDS - started)) -lt 20 ] || fail "lumivel still runs 20 s after deactivation"
  sleep 0.2
done
echo "lumivel ended $((SECONDS - started)) s after deactivation"

history="$work/c/Lumivel/img_affichees.lst"
[ -f "$history" ] || fail "no history file after the show"
grep -q 'C:\\Photos\\two_colours.jpg' "$history" ||
  fail "the history does not name the picture shown: $(cat -A "$history")"
echo "xscreensaver mode: 1 passed, 0 failed"
