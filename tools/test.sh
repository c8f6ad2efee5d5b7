#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
