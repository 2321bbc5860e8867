#!/usr/bin/env bash
# Installs the Debian packages Velmora needs to build, test and run, but only
# those that are missing: a machine that has them all is left alone and no
# package list is downloaded. With "--fuzz", also the clang compiler and
# runtime that the libFuzzer harnesses need ("make fuzz"). With "--clang",
# only the compiler: "make test" parses the fuzz build with it, so that build
# cannot break unseen. With "--a11y", what scripts/a11y-dump.sh needs to read
# the program's accessibility tree over AT-SPI.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-multimedia-dev libpulse-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth xdotool imagemagick x11-utils openbox
  desktop-file-utils appstream dpkg-dev
)

for arg in "$@"; do
  case "$arg" in
    --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    --clang) packages+=(clang-14) ;;
    --a11y) packages+=(at-spi2-core dbus-x11 python3-gi gir1.2-atspi-2.0) ;;
    *) echo "usage: $0 [--fuzz | --clang | --a11y]" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
