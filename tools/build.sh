#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up the machine (when needed) and builds everything.
#   tools/build.sh              into build/
#   tools/build.sh --sanitize   into build-sanitize/ with clang, with the address and undefined-behaviour
#                               sanitizers: with the plain build (gcc), the whole tree gets both compilers
#   tools/build.sh --tsan       into build-tsan/, with the thread sanitizer: the tests of tools/tsan-tests
#   tools/build.sh --fuzz       into build-fuzz/ with clang: the fuzz targets only (build-fuzz/fuzz/)
# FERROX_WERROR=ON in the environment makes warnings errors (CI sets it); further arguments go
# to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERROX_WERROR="${FERROX_WERROR:-OFF}")
compiler=
clang=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
target=all
setup=()
case "${1:-}" in
  --sanitize)
    dir=build-sanitize
    options+=(-DFERROX_SANITIZE=ON "${clang[@]}")
    compiler=clang++
    setup=(--clang)
    shift
    ;;
  --tsan)
    dir=build-tsan
    options+=(-DFERROX_TSAN=ON)
    # Only what the thread checks run, and the programs those tests start.
    target="$(grep -v '^#' tools/tsan-tests | tr '\n' ' ') ferrox ferroxctl"
    shift
    ;;
  --fuzz)
    dir=build-fuzz
    options+=(-DFERROX_FUZZ=ON -DFERROX_BUILD_TESTS=OFF "${clang[@]}")
    target=fuzz
    compiler=clang++
    setup=(--clang)
    shift
    ;;
esac
tools/setup.sh "${setup[@]}"
if command -v ccache >/dev/null; then
  # Several checkouts of this tree share one compiler cache.
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# CMake cannot switch the compiler of a configured folder: it starts afresh and drops the options
# given with the switch. A folder set up with another compiler (build-sanitize/ was gcc's) is
# configured anew instead.
if [ -n "$compiler" ] && [ -f "$dir/CMakeCache.txt" ] &&
  ! grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=$compiler" "$dir/CMakeCache.txt"; then
  rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}" "$@" >/dev/null
# shellcheck disable=SC2086 # the target list is meant to split
cmake --build "$dir" -j"$(nproc)" --target $target
