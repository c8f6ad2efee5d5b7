#!/usr/bin/env bash
# Shows the window program and a menu on real display servers: X11 through Xvfb and Wayland
# through weston's headless backend. Under each it runs the desktop check (the main window and
# a menu must be shown, Escape must dismiss the menu, and on Wayland a second start's wake-up
# must bring back a minimised window), then starts ferrox itself on the
# virtual mouse, waits for its start-up status query in the --trace log and ends it with
# SIGTERM, which must give exit status 0.
#
#   tools/desktop-check.sh [BUILD_DIR]     (default: build)
#
# Exit status: 0 when everything passed, 1 when something failed, 77 when Xvfb or weston is
# not installed (tools/setup.sh installs both).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
check=$build/tests/desktop_check
ferrox=$build/out/ferrox

for tool in Xvfb weston; do
  if ! command -v "$tool" >/dev/null; then
    echo "desktop-check: $tool is not installed; run tools/setup.sh" >&2
    exit 77
  fi
done
for program in "$check" "$ferrox"; do
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
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  servers+=($!)
  wait_for 10 test -s "$work/display" || return 1
  export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
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
)

failed=0
check_on x11 xcb start_x11 || failed=1
check_on wayland wayland start_wayland || failed=1
exit "$failed"
