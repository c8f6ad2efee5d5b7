#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader sees of the window program: ferrox runs on the virtual mouse under Xvfb,
# in a private session bus with the accessibility bus and its registry, Qt's bridge forced on,
# and atspi_tree.py walks its main window and a dialog over AT-SPI.
#
#   tests/desktop/atspi_check.sh [BUILD_DIR]     (default: build)
#
# Exit status: 0 when every control was there with a role and a name, 1 when not, 77 when Xvfb,
# the session bus, the accessibility bus or python3-pyatspi is not installed (tools/setup.sh
# installs them).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
ferrox=$build/out/ferrox

skip() {
  echo "atspi-check: $1 is not installed; run tools/setup.sh" >&2
  exit 77
}
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || skip "$tool"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core"
# The system's Python has the distribution's bindings; a Python of the user's own may not.
python=
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
[ -n "$python" ] || skip "python3-pyatspi"
if [ ! -x "$ferrox" ]; then
  echo "atspi-check: $ferrox is missing; build first (tools/build.sh)" >&2
  exit 1
fi

work=$(mktemp -d "$build/atspi-check.XXXXXX")
chmod 700 "$work"
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "atspi-check: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

mkdir -p "$work/runtime" "$work/data" && chmod 700 "$work/runtime"
# The session bus starts the accessibility bus and its registry when the first program asks.
env DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  XDG_RUNTIME_DIR="$work/runtime" FERROX_DATA_DIR="$work/data" LANG=C.UTF-8 \
  dbus-run-session -- "$python" "$here/atspi_tree.py" "$ferrox" "$work"
