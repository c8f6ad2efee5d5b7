// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key capture for shortcut entry, key editing and macro recording. While started, every key
// press and release that reaches the program (one of its windows has the focus) is taken away
// from the focused control and posted to the owning window as WM_KEYHOOK:
//   wParam  the virtual-key code (never 0; keys without a code are dropped),
//   lParam  the event word: bit 31 set for a release, bits 0..30 the clock's milliseconds.
// Auto-repeats are dropped: those Qt marks as such, and those the window system sends as a
// release and a press of the same key (see KeyRepeatFold), for which every release is held
// back for a few milliseconds; its word keeps the time it was captured at. Keys the desktop
// keeps for itself (Super, Alt+Tab, Print on most desktops) never reach the program, so they
// cannot be captured.
//
// One owner captures at a time: the latest to start. Stopping only ever ends the caller's own
// capture; when the current owner stops, an owner that started earlier and has not stopped
// gets the keys again.

#include "keys/key_repeat_fold.h"
#include "platform/messages.h"

#include <QPointer>
#include <QTimer>

#include <cstdint>

namespace ferrox {

class WindowBase;

inline constexpr unsigned WM_KEYHOOK = WM_USER + 1;

class CKeyboardHook {
public:
    // Without a clock, the system's monotonic clock is used.
    explicit CKeyboardHook(KeyClock clock = {});
    virtual ~CKeyboardHook();
    CKeyboardHook(const CKeyboardHook&) = delete;
    CKeyboardHook& operator=(const CKeyboardHook&) = delete;

    // Captures keys for window from now on; 0 when there is no window or no application.
    int StartHook(WindowBase* window);
    // Ends this owner's capture; harmless when it is not started. A release still held back
    // is handed to the window first, synchronously.
    int StopHook();

    bool IsStarted() const { return started_; }
    // Started, and the owner whose window the keys go to now.
    bool IsCapturing() const;

    // One keystroke as captured (called by the capture filter).
    void capture(std::uint8_t key, bool release);

    // Every started owner's held-back release goes on now, as its timer would send it a few
    // milliseconds later; tests call it instead of waiting.
    static void DeliverHeldKeys();

private:
    void post(const CapturedKey& key);
    void onHoldBackTimer();

    KeyRepeatFold fold_;
    QTimer holdBack_;
    QPointer<WindowBase> window_;
    bool started_ = false;
};

} // namespace ferrox
