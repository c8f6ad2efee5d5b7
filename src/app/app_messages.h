// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message numbers the main window answers besides its controls'.

namespace ferrox {

// A second instance wakes the first with this (both parameters 0).
inline constexpr unsigned kWakeInstanceMessage = 0x0BB7;
// Ends the main window's modal loop, as after the last device was unplugged.
inline constexpr unsigned WM_QUIT = 0x0012;
// A device appeared or went; wParam says which.
inline constexpr unsigned WM_DEVICECHANGE = 0x0219;
inline constexpr unsigned DBT_DEVICEARRIVAL = 0x8000;
inline constexpr unsigned DBT_DEVICEREMOVECOMPLETE = 0x8004;

// Main window controls and timers.
inline constexpr int kExitButtonId = 2001;
inline constexpr int kMinimiseButtonId = 2002;
// 100 ms after the window-shown flag, the tray or the window's state changed, once.
inline constexpr unsigned kVisibilityTimer = 40;
inline constexpr int kVisibilityCheckMilliseconds = 100;
inline constexpr unsigned kNoDeviceTimer = 80;   // 2 s after start-up, once
inline constexpr unsigned kApplyTimer = 30;      // 20 ms after a change, once
inline constexpr unsigned kSaveTimer = 70;       // 10 s after the last apply, once
inline constexpr unsigned kStatusTimer = 110;    // 1 s, repeating, once a device was found

} // namespace ferrox
