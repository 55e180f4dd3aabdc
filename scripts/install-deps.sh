#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the manual need. Safe to run again.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev libgl-dev qt6-translations-l10n fonts-liberation2
  libturbojpeg0-dev libjpeg62-turbo-dev libjpeg-turbo-progs libexif-dev
  libwmf-dev fonts-urw-base35 libemf2svg-dev librsvg2-dev
  libasound2-dev libx11-dev libxss-dev libglib2.0-dev
  clang libclang-rt-14-dev
  groff ghostscript
  xvfb xauth
  libxtst-dev libxdamage-dev x11-utils feh
  desktop-file-utils appstream librsvg2-bin xscreensaver
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
