// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window manager's own move of a window, asked for while the left button is held.

class QWindow;

namespace ferrox {

// Asks the desktop to move the window with the pointer until the left button comes up. False
// where it declines (no window manager, a platform without the request).
bool StartSystemMove(QWindow& window);

// Ends a move asked for by StartSystemMove whose button came up before the window manager took
// the pointer: the release then reached the window instead, and a window manager that never
// sees it would move the window until the next click. X11 only (_NET_WM_MOVERESIZE_CANCEL); a
// Wayland compositor refuses a move once the button is up. False where nothing was sent.
bool CancelSystemMove(QWindow& window);

} // namespace ferrox
