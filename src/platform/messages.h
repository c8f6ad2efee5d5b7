// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window-message vocabulary shared by every window of the program. Message numbers keep their
// historic values: controls notify with their own ID as the message number, popups and dialogs
// report on fixed numbers in the user range, and a second instance wakes the first with 0x0BB7.

#include <cstdint>
#include <functional>

namespace ferrox {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;
using MessageHandler = std::function<LResult(WParam, LParam)>;

// Asks a window to close; unhandled, it ends a dialog with IDCANCEL.
inline constexpr unsigned WM_CLOSE = 0x0010;
// First message number free for the program's own use.
inline constexpr unsigned WM_USER = 0x0400;

// Dialog results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

} // namespace ferrox
