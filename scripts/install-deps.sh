#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building and running Numora need (and `make package`);
# with --test also those of the tests and the benchmarks. Safe to run again.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config file
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev
  libespeak-ng-dev espeak-ng-data libpcaudio-dev libasound2-dev libspeechd-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  librsvg2-bin fonts-liberation fonts-dejavu-core qt6-wayland
)
test_packages=(
  clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick
  x11-xkb-utils xkb-data xclip openbox x11-utils
  desktop-file-utils appstream man-db
  at-spi2-core python3-pyatspi dbus qt6ct
  sway wtype wl-clipboard grim
  orca speech-dispatcher speech-dispatcher-espeak-ng
)

packages=("${run_packages[@]}")
case "${1:-}" in
  "") ;;
  --test) packages+=("${test_packages[@]}") ;;
  *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
