#!/usr/bin/env bash
# Sets up the machine (when needed) and builds everything.
#   tools/build.sh              into build/
#   tools/build.sh --sanitize   into build-sanitize/, with the address and undefined-behaviour sanitizers
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  options+=(-DFERROX_SANITIZE=ON)
  shift
fi
tools/setup.sh
if command -v ccache >/dev/null; then
  # Several checkouts of this tree share one compiler cache.
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
