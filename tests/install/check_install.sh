#!/usr/bin/env bash
# Checks what `cmake --install` lays out from a configured and built BUILD_DIR, and the Debian
# package that `cpack -G DEB` makes of it: every file in its place, the desktop entry, the
# AppStream data and the manual page valid, the installed program running on its own, and the
# package's contents and dependencies.
# One line per check, then a closing count; exit status 1 when a check failed.
#   tests/install/check_install.sh BUILD_DIR
set -uo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")/../.." && pwd)"
source "$here/tests/desktop/desktop_lib.sh"
work="$(mktemp -d)"
program_pid=""
trap 'stop_pid "$program_pid"; rm -rf "$work"' EXIT
passed=0
failed=0

# check WHAT COMMAND...: runs the command; its output is shown only when it fails.
check() {
  local what="$1"
  shift
  if "$@" > "$work/out" 2>&1; then
    echo "ok      $what"
    passed=$((passed + 1))
  else
    echo "FAILED  $what"
    sed 's/^/        /' "$work/out"
    failed=$((failed + 1))
  fi
}

# png_size FILE: "WIDTH HEIGHT" from the PNG header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}

prefix="$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")"
root="$work/root$prefix"

check "cmake --install into a staging folder (prefix $prefix)" \
  env DESTDIR="$work/root" cmake --install "$build"

installed_files() {
  local f
  for f in bin/lumivel libexec/lumivel/lumivel-metafile share/applications/lumivel.desktop \
           share/metainfo/org.lumivel.Lumivel.metainfo.xml \
           share/icons/hicolor/scalable/apps/lumivel.svg share/man/man1/lumivel.1.gz \
           share/doc/lumivel/Lumivel_Manuel.pdf; do
    [ -f "$root/$f" ] || { echo "missing: $f"; return 1; }
  done
  local program
  for program in bin/lumivel libexec/lumivel/lumivel-metafile; do
    [ -x "$root/$program" ] || { echo "$program is not executable"; return 1; }
  done
  [ "$(head -c 5 "$root/share/doc/lumivel/Lumivel_Manuel.pdf")" = "%PDF-" ] ||
    { echo "the manual is no PDF"; return 1; }
}
check "program, metafile helper, desktop entry, AppStream data, icon, manual page and PDF manual in place" \
  installed_files

icon_sizes() {
  local size file
  for size in 16 24 32 48 64 128 256; do
    file="$root/share/icons/hicolor/${size}x${size}/apps/lumivel.png"
    [ -f "$file" ] || { echo "missing: ${size}x${size} icon"; return 1; }
    [ "$(png_size "$file")" = "$size $size" ] ||
      { echo "${size}x${size} icon is $(png_size "$file")"; return 1; }
  done
}
check "icon bitmaps of 16 to 256 pixels in the hicolor theme" icon_sizes

check "desktop-file-validate accepts the desktop entry" \
  desktop-file-validate "$root/share/applications/lumivel.desktop"
check "appstreamcli accepts the AppStream data" \
  appstreamcli validate --no-net "$root/share/metainfo/org.lumivel.Lumivel.metainfo.xml"

man_page() {
  local text
  # groff's warnings (-ww) are errors here; the page must also cover what a user looks up.
  text="$(zcat "$root/share/man/man1/lumivel.1.gz" |
    groff -man -Tutf8 -ww -P -cbou 2> "$work/groff.err")" || return 1
  [ ! -s "$work/groff.err" ] || { cat "$work/groff.err"; return 1; }
  local section
  for section in "RUN MODES" "DRIVES AND PATHS" "FILES" "EXIT STATUS" "LUMIVEL_DRIVE_" \
                 "XSCREENSAVER_WINDOW" "xss-lock"; do
    grep -q "$section" <<< "$text" || { echo "the manual page says nothing of $section"; return 1; }
  done
}
check "the manual page formats without a warning and covers modes, drives, files, exit codes" man_page

# The installed program alone: run from an empty folder, with a fresh home and drive C and a bare
# environment, on Qt's offscreen platform, it shows the pictures of drive C (a refused one would
# show a message box instead).
# shows_a_picture DRIVE: whether the installed program shows a picture of DRIVE within 30 s.
shows_a_picture() {
  local drive="$1" snapshots="$1.snapshots" waited
  mkdir -p "$work/home" "$work/empty"
  (cd "$work/empty" && exec env -i HOME="$work/home" PATH=/usr/bin:/bin LUMIVEL_DRIVE_C="$drive" \
    QT_QPA_PLATFORM=offscreen LUMIVEL_SNAPSHOTS="$snapshots" "$root/bin/lumivel" /s \
    > "$drive.log" 2>&1) &
  program_pid=$!
  for waited in $(seq 150); do
    compgen -G "$snapshots/*-picture.png" > /dev/null && break
    running "$program_pid" || break
    sleep 0.2
  done
  stop_pid "$program_pid"
  program_pid=""
  compgen -G "$snapshots/*-picture.png" > /dev/null ||
    { echo "no picture shown in 30 s:"; ls "$snapshots" 2>/dev/null; cat "$drive.log"; return 1; }
  ! compgen -G "$snapshots/*-box.png" > /dev/null || { echo "a message box showed"; return 1; }
}
installed_program_runs() {
  make_drive "$work/c"
  shows_a_picture "$work/c"
}
check "the installed program runs on its own and shows a picture" installed_program_runs

# A 64 x 48 plain metafile, red on the left and blue on the right (as the tests' WmfFile makes
# it), put first in the queue of pictures to show (the walk indexes photos only).
metafile_drawn() {
  make_drive "$work/m"
  printf 'C:\\Photos\r\ntwo_colours.wmf\r\n' > "$work/m/Lumivel/image_rep_crt.txt"
  printf '%b' '\xd7\xcd\xc6\x9a\x00\x00\x00\x00\x00\x00\x40\x00\x30\x00\x60\x00\x00\x00\x00\x00\x01\x57'\
'\x01\x00\x09\x00\x00\x03\x46\x00\x00\x00\x03\x00\x08\x00\x00\x00\x00\x00\x05\x00\x00\x00\x0b\x02'\
'\x00\x00\x00\x00\x05\x00\x00\x00\x0c\x02\x30\x00\x40\x00\x08\x00\x00\x00\xfa\x02\x05\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x04\x00\x00\x00\x2d\x01\x00\x00\x07\x00\x00\x00\xfc\x02\x00\x00\xff\x00'\
'\x00\x00\x00\x00\x04\x00\x00\x00\x2d\x01\x01\x00\x07\x00\x00\x00\x1b\x04\x30\x00\x20\x00\x00\x00'\
'\x00\x00\x07\x00\x00\x00\xfc\x02\x00\x00\x00\x00\xff\x00\x00\x00\x04\x00\x00\x00\x2d\x01\x02\x00'\
'\x07\x00\x00\x00\x1b\x04\x30\x00\x40\x00\x00\x00\x20\x00\x03\x00\x00\x00\x00\x00' \
    > "$work/m/Photos/two_colours.wmf"
  shows_a_picture "$work/m" || return 1
  # Ended by SIGTERM, the program has written the pictures it showed.
  grep -q 'two_colours\.wmf' "$work/m/Lumivel/img_affichees.lst" ||
    { echo "the metafile was not shown"; return 1; }
}
check "the installed program draws a metafile with its installed helper" metafile_drawn

# The metafile libraries are the helper's alone: a crash in them never takes the program down.
program_without_metafile_libraries() {
  ! objdump -p "$root/bin/lumivel" | awk '$1 == "NEEDED" { print $2 }' | grep -E 'libwmf|libemf2svg|librsvg'
}
check "the program links none of the metafile libraries" program_without_metafile_libraries

if ! command -v dpkg-deb > /dev/null; then
  echo "SKIP    the Debian package: dpkg-deb not found, so it is neither made nor checked"
else
  make_package() {
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" &&
      compgen -G "$work/package/lumivel_*.deb" > /dev/null
  }
  check "cpack -G DEB makes a package" make_package
  deb="$(compgen -G "$work/package/lumivel_*.deb" | head -n 1)"

  package_contents() {
    # The package holds exactly the files that cmake --install lays out.
    dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort > "$work/in_package"
    (cd "$work/root" && find . -type f | sed 's|^\./||' | sort) > "$work/in_tree"
    diff "$work/in_tree" "$work/in_package"
  }
  check "the package holds the installed tree" package_contents

  package_dependencies() {
    local depends program soname path package
    [ "$(dpkg-deb -f "$deb" Package)" = lumivel ] || { echo "package name"; return 1; }
    depends="$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')"
    echo "Depends: $(echo $depends)"
    # Every library the programs link, by the package that holds it on this system.
    for program in bin/lumivel libexec/lumivel/lumivel-metafile; do
      for soname in $(objdump -p "$root/$program" | awk '$1 == "NEEDED" { print $2 }'); do
        path="$(ldd "$root/$program" | awk -v s="$soname" '$1 == s { print $3 }')"
        # Either side of the merged /usr: dpkg may know the file under /usr/lib or /lib.
        package="$(dpkg -S "*${path#/usr}" 2>/dev/null | head -n 1 | cut -d: -f1)"
        [ -n "$package" ] || { echo "no package holds $soname ($path)"; return 1; }
        grep -Fqx "$package" <<< "$depends" ||
          { echo "no dependency on $package ($soname, for $program)"; return 1; }
      done
    done
  }
  check "the package depends on the libraries the program and its helper link" package_dependencies

fi

echo "install and package checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
