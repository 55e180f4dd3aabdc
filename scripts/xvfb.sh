# Sourced, not run. start_xvfb WORK [SIZE]: an X server of its own on a display number it chooses
# free, a SIZE screen (640x480 unless given) with a black root window; its log goes to WORK.
# Sets DISPLAY and XVFB_PID. -noreset keeps its settings between clients.
start_xvfb() {
  local work="$1" size="${2:-640x480}" number=""
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset -br \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    number="$(cat "$work/display" 2>/dev/null)"
    [ -n "$number" ] && break
    sleep 0.1
  done
  [ -n "$number" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; return 1; }
  export DISPLAY=":$number"
}
