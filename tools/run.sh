#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts ferrox. With no mouse or receiver it can use (none attached, or no
# access yet), it starts against the virtual mouse so the window can be seen working.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
args=("$@")
if ! printf '%s\n' "$@" | grep -q -- '^--simulate'; then
  if ! probe=$(build/out/ferroxctl devices 2>&1 >/dev/null); then
    echo "${probe}" >&2
    echo "run.sh: starting with the virtual mouse (--simulate)" >&2
    args=(--simulate "${args[@]}")
  fi
fi
exec build/out/ferrox "${args[@]}"
