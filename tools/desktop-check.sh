#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows the window program and a menu on real display servers: X11 through Xvfb and Wayland
# through weston's headless backend. Under each it runs the desktop check (the main window and
# a menu must be shown, Escape must dismiss the menu, and on Wayland a second start's wake-up
# must bring back a minimised window), then starts ferrox itself on the
# virtual mouse, waits for its start-up status query in the --trace log and ends it with
# SIGTERM, which must give exit status 0. Under X11 it then starts ferrox 60 more times and
# reads its window back from the server each time: the whole surface must be painted
# (FERROX_PAINT_STARTS=N changes the count). Then, on two screen sizes, X11 with a window
# manager (openbox) and real pointer input (xdotool): moving the window, and the virtual
# mouse's panel.
#
#   tools/desktop-check.sh [BUILD_DIR]     (default: build)
#
# Exit status: 0 when everything passed, 1 when something failed, 77 when Xvfb, weston, openbox
# or xdotool is not installed (tools/setup.sh installs them).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
check=$build/tests/desktop_check
probe=$build/tests/paint_probe
ferrox=$build/out/ferrox

for tool in Xvfb weston openbox xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "desktop-check: $tool is not installed; run tools/setup.sh" >&2
    exit 77
  fi
done
for program in "$check" "$probe" "$ferrox"; do
  if [ ! -x "$program" ]; then
    echo "desktop-check: $program is missing; build first (tools/build.sh)" >&2
    exit 1
  fi
done

# Everything of one run lives in one folder inside the build tree.
work=$(mktemp -d "$build/desktop-check.XXXXXX")
chmod 700 "$work"
trap 'rm -rf "$work"' EXIT

# The display servers this shell started, ended by their process IDs.
servers=()
stop_servers() {
  for pid in "${servers[@]}"; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
}

# wait_for SECONDS COMMAND...: true once the command succeeds.
wait_for() {
  local tries=$(($1 * 20))
  shift
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.05
  done
}

start_x11() {
  rm -f "$work/display" # an earlier server's number would be taken for this one's
  Xvfb -displayfd 3 -screen 0 "${screen_size:-1920x1080}x24" -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  servers+=($!)
  wait_for 10 test -s "$work/display" || return 1
  export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
}

# On the X server start_x11 started; ready once it has taken over the screen.
start_openbox() {
  rm -f "$work/openbox.ready"
  openbox --sm-disable --startup "touch $work/openbox.ready" >"$work/openbox.log" 2>&1 &
  servers+=($!)
  wait_for 10 test -e "$work/openbox.ready"
}

start_wayland() {
  weston --backend=headless-backend.so --socket=ferrox-check --idle-time=0 --no-config \
    >"$work/weston.log" 2>&1 &
  servers+=($!)
  wait_for 10 test -S "$XDG_RUNTIME_DIR/ferrox-check" || return 1
  export WAYLAND_DISPLAY=ferrox-check QT_QPA_PLATFORM=wayland
}

status_query_traced() {
  grep -Eq '^> 0C [0-9A-F]{2} 20 ' "$1" 2>/dev/null
}

# run_ferrox NAME: the real program starts, talks to the virtual mouse and ends on SIGTERM.
run_ferrox() {
  local trace=$work/$1.trace
  "$ferrox" --simulate --trace "$trace" >"$work/$1.ferrox.log" 2>&1 &
  local pid=$!
  if ! wait_for 15 status_query_traced "$trace"; then
    echo "desktop-check: $1: ferrox sent no status query" >&2
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    cat "$work/$1.ferrox.log" >&2
    return 1
  fi
  kill -TERM "$pid"
  wait "$pid"
  local status=$?
  if [ "$status" -ne 0 ]; then
    echo "desktop-check: $1: ferrox ended with $status on SIGTERM" >&2
    cat "$work/$1.ferrox.log" >&2
    return 1
  fi
}

# starts_painted NAME COUNT: ferrox starts COUNT times, each on a fresh data folder, so it
# starts minimised and the virtual mouse's show request brings it up, as on a first run. The
# window's pixels are read back from the X server: a start whose window stays black fails, and
# its picture is kept in the build's screenshots folder.
starts_painted() {
  local i pid status black=0
  mkdir -p "$build/screenshots"
  for ((i = 1; i <= $2; i++)); do
    FERROX_DATA_DIR=$work/$1/paint/$i "$ferrox" --simulate >"$work/$1.paint.log" 2>&1 &
    pid=$!
    # The probe is a short-lived reader; in a sanitizer build its exit must not fail on leaks
    # of the platform libraries.
    if ! ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
      "$probe" "$pid" 10 "$build/screenshots/$1_unpainted_start.png"; then
      black=$((black + 1))
      echo "desktop-check: $1: start $i of $2 left the window unpainted" >&2
    fi
    kill -TERM "$pid" 2>/dev/null
    wait "$pid"
    status=$?
    if [ "$status" -ne 0 ]; then
      echo "desktop-check: $1: start $i of $2: ferrox ended with $status on SIGTERM" >&2
      cat "$work/$1.paint.log" >&2
      return 1
    fi
  done
  [ "$black" -eq 0 ]
}

# check_on NAME PLATFORM START: one display server, in a subshell of its own.
check_on() (
  trap stop_servers EXIT
  export XDG_RUNTIME_DIR=$work/$1 FERROX_DATA_DIR=$work/$1/data
  mkdir -p "$FERROX_DATA_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  unset DISPLAY WAYLAND_DISPLAY
  if ! "$3"; then
    echo "desktop-check: $1: the display server did not start" >&2
    cat "$work"/*.log >&2 2>/dev/null
    exit 1
  fi
  FERROX_EXPECT_PLATFORM=$2 "$check" --gtest_brief=1 || exit 1
  run_ferrox "$1" || exit 1
  echo "desktop-check: $1: window and menu shown, ferrox ended normally"
  if [ "$2" = xcb ]; then
    starts_painted "$1" "${FERROX_PAINT_STARTS:-60}" || exit 1
    echo "desktop-check: $1: the window was painted on each of ${FERROX_PAINT_STARTS:-60} starts"
  fi
)

# check_under_wm NAME SIZE: X11 at that screen size, with openbox, in a subshell of its own.
check_under_wm() (
  trap stop_servers EXIT
  export XDG_RUNTIME_DIR=$work/$1 FERROX_DATA_DIR=$work/$1/data
  mkdir -p "$FERROX_DATA_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  unset DISPLAY WAYLAND_DISPLAY
  if ! screen_size=$2 start_x11 || ! start_openbox; then
    echo "desktop-check: $1: the display server or the window manager did not start" >&2
    cat "$work"/*.log >&2 2>/dev/null
    exit 1
  fi
  FERROX_EXPECT_PLATFORM=xcb FERROX_WINDOW_MANAGER=openbox \
    "$check" --gtest_brief=1 --gtest_filter='UnderAWindowManager.*' || exit 1
  echo "desktop-check: $1: the window moves only while dragged, the panel stays on the screen"
)

failed=0
check_on x11 xcb start_x11 || failed=1
check_on wayland wayland start_wayland || failed=1
check_under_wm openbox-1280x800 1280x800 || failed=1
check_under_wm openbox-1920x1280 1920x1280 || failed=1
exit "$failed"
