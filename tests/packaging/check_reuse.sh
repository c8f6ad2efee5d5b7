#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# REUSE compliance, checked by reuse lint on a copy of the tracked files as they stand: every
# file carries its licence and copyright in a header or through .reuse/dep5, and the licence
# texts are there. tools/spdx-headers.sh --check must find nothing missing, and a run of the
# tool must change nothing.
#   check_reuse.sh SOURCE_DIR COPY_DIR
set -uo pipefail
source=$1 copy=$2

if ! git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    echo "not a git checkout: the tracked files cannot be told"
    exit 77
fi
rm -rf "$copy"
mkdir -p "$copy"
# The work tree's own state of every tracked file (an uncommitted change counts too).
(cd "$source" && git ls-files -z | xargs -0 cp --parents --no-dereference -t "$copy") || exit 1
git -C "$copy" init -q && git -C "$copy" add -A || exit 1
git -C "$copy" -c user.name=check -c user.email=check@localhost commit -q -m tree || exit 1
"$copy/tools/spdx-headers.sh" --check || exit 1
"$copy/tools/spdx-headers.sh" || exit 1
if ! git -C "$copy" diff --quiet; then
    echo "FAIL: tools/spdx-headers.sh changed files that already had their header:"
    git -C "$copy" diff --stat
    exit 1
fi
(cd "$copy" && reuse lint)
