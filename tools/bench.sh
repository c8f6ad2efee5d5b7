#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every benchmark in build/bench/ and prints the figures beside their goals.
# Each program's full results stay in build/bench/results/<program>.json.
#   tools/bench.sh            all of them (the profile switch's wire time alone takes ~10 s)
#   tools/bench.sh PROGRAM..  only these (bench_macros, bench_protocol, ...)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh >/dev/null
results=build/bench/results
mkdir -p "$results"
programs=("$@")
if [ ${#programs[@]} -eq 0 ]; then
  for exe in build/bench/bench_*; do
    [ -x "$exe" ] && programs+=("$(basename "$exe")")
  done
fi
for program in "${programs[@]}"; do
  echo "== $program"
  "build/bench/$program" --benchmark_out="$results/$program.json" --benchmark_out_format=json \
    >/dev/null
done
printf '%s\n' "${programs[@]}" | sed "s#.*#$results/&.json#" | xargs python3 tools/bench_report.py
