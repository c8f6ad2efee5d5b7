#!/usr/bin/env bash
# Sets up, builds and runs every test; --sanitize does the same in the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
fi
tools/build.sh "$@"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
