# Shared by the tests that run the lumivel program itself: a data drive with one known picture.
# Sourced, not run.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

# make_drive DIR: DIR stands for drive C. It gets a root folder "C:\Photos" holding one 64 x 48
# JPEG whose left half is red and right half blue, so that where and at what size the picture is
# drawn can be told from a few pixels; and the root list that names that folder, ticked.
make_drive() {
  local drive="$1" row
  mkdir -p "$drive/Photos" "$drive/Lumivel"
  row="$drive/row.ppm"
  : > "$row"
  for _ in $(seq 32); do printf '\377\000\000' >> "$row"; done
  for _ in $(seq 32); do printf '\000\000\377' >> "$row"; done
  { printf 'P6\n64 48\n255\n'; for _ in $(seq 48); do cat "$row"; done; } |
    cjpeg -quality 95 > "$drive/Photos/two_colours.jpg"
  rm -f "$row"
  # The root list and its check marks, as the program writes them: CR LF line ends.
  printf 'C:\\Photos\r\n' > "$drive/Lumivel/lumivel.rep"
  printf 'true\r\n' > "$drive/Lumivel/lumivel.repflag"
}

# running PID: whether the process runs (an ended process whose parent has not yet collected it
# does not).
running() {
  local state
  state="$(ps -o stat= -p "$1" 2>/dev/null)" || return 1
  [ -n "$state" ] && [ "${state:0:1}" != Z ]
}

# stop_pid PID: ends a process this test started and waits for it (at most 5 s, then KILL).
stop_pid() {
  local pid="$1"
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do running "$pid" || return 0; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
}

# shows_two_colours PROBE X1,Y X2,Y: whether the screen is red at the first point and blue at
# the second, as the test picture's two halves are.
shows_two_colours() {
  local probe="$1" left right
  { read -r -a left; read -r -a right; } < <("$probe" pixels "$2" "$3" 2>/dev/null) || return 1
  [ "${#left[@]}" -eq 3 ] && [ "${#right[@]}" -eq 3 ] || return 1
  [ "${left[0]}" -gt 200 ] && [ "${left[1]}" -lt 60 ] && [ "${left[2]}" -lt 60 ] &&
    [ "${right[0]}" -lt 60 ] && [ "${right[1]}" -lt 60 ] && [ "${right[2]}" -gt 200 ]
}

# is_black PROBE X,Y: whether the screen is black there.
is_black() {
  local c
  read -r -a c < <("$1" pixels "$2" 2>/dev/null) || return 1
  [ "${c[0]}" -lt 20 ] && [ "${c[1]}" -lt 20 ] && [ "${c[2]}" -lt 20 ]
}

# skip_unless PROGRAM...: ends the test as skipped (77) when one of the programs is missing.
skip_unless() {
  local program
  for program in "$@"; do
    command -v "$program" >/dev/null || { echo "SKIP: $program not found"; exit 77; }
  done
}
