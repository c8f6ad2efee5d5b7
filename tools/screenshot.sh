#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the README's picture of the main window (docs/main-window.png) from the screenshot
# the window tests take on the virtual mouse: UiScale 1, DPI and lighting open, with the
# program's texts loaded.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
ctest --test-dir build -R '^test_app$' >/dev/null
cp build/tests/screenshots/main_window_x1_3001.png docs/main-window.png
echo "docs/main-window.png updated"
