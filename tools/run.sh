#!/usr/bin/env bash
# Sets up, builds and starts ferrox; with no mouse attached it runs against the virtual mouse.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
exec build/out/ferrox "$@"
