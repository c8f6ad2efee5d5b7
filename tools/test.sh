#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test.
#   tools/test.sh              in build/
#   tools/test.sh --sanitize   in build-sanitize/ (address and undefined-behaviour sanitizers)
#   tools/test.sh --tsan       in build-tsan/: the device and window tests (tools/tsan-tests)
#                              under the thread sanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
select=()
case "${1:-}" in
  --sanitize) dir=build-sanitize ;;
  --tsan)
    dir=build-tsan
    # A program's further runs (test_app_processes) go with it.
    select=(-R "^($(grep -v '^#' tools/tsan-tests | paste -sd '|'))(_[a-z]+)?\$")
    ;;
esac
tools/build.sh "$@"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" "${select[@]}"
