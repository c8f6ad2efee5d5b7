#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and testing need on Debian 12; does nothing when all is there.
#   tools/setup.sh --clang   also clang and its sanitizer and fuzzer runtimes, for the sanitizer
#                            and fuzz builds
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
  libxcb1-dev                                          # one X11 request Qt does not make
  libudev-dev
  libwayland-dev                                       # asking the compositor about xdg-activation
  qt6-svg-dev                                          # the icon's SVG, drawn at build time
  desktop-file-utils appstream man-db dpkg-dev file    # checking the installed files, the package
  lintian reuse git                                    # Debian's check of the package, licences of the files
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-noto-core fonts-noto-cjk
  xvfb
  openbox xdotool                                      # a window manager's own window move, driven by real input
  python3
  dbus-daemon dbus-bin                                 # a private session bus for the window's interface
  # Wayland sessions, and a headless compositor to check the window program on one
  qt6-wayland weston
  # what a screen reader sees: the accessibility bus in a private session bus, read from Python
  dbus-daemon at-spi2-core python3-pyatspi
)
if [ "${1:-}" = "--clang" ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
