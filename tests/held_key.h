// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A key held down on an X server whose auto-repeat Qt cannot tell from typing (Xvfb, several
// Xwayland versions, remote sessions): the press, then after the server's repeat delay a real
// release and press every 40 ms, the press at the same or the next millisecond, and the last
// release. The key clock of the receiving capture reads `clock`, which follows the events.

#include "platform/keyboard_hook.h"

#include <QApplication>
#include <QKeyEvent>

#include <cstdint>
#include <vector>

namespace ferrox::test {

inline void SendPlainKey(QObject* target, QEvent::Type type, int qtKey, quint32 scanCode) {
    QKeyEvent event(type, qtKey, Qt::NoModifier, scanCode, 0, 0);
    QApplication::sendEvent(target, &event);
    QCoreApplication::sendPostedEvents();
}

// Holds the key from `from` to `to` (milliseconds on the key clock), then lets the hold-back
// time pass as the capture's timer would.
inline void HoldKeyOnAPlainServer(QObject* target, int qtKey, std::uint32_t& clock,
                                  std::uint32_t from, std::uint32_t to, quint32 scanCode = 0) {
    constexpr std::uint32_t kRepeatDelay = 660, kRepeatEvery = 40;
    clock = from;
    SendPlainKey(target, QEvent::KeyPress, qtKey, scanCode);
    for (std::uint32_t at = from + kRepeatDelay; at < to; at += kRepeatEvery) {
        clock = at;
        SendPlainKey(target, QEvent::KeyRelease, qtKey, scanCode);
        clock = at + (at / kRepeatEvery) % 2;
        SendPlainKey(target, QEvent::KeyPress, qtKey, scanCode);
    }
    clock = to;
    SendPlainKey(target, QEvent::KeyRelease, qtKey, scanCode);
    clock = to + 10;
    CKeyboardHook::DeliverHeldKeys();
    QCoreApplication::sendPostedEvents();
}

// A dialog that also keeps the event word of every keystroke its capture hands it.
template <typename Dialog> class KeystrokeCounting : public Dialog {
public:
    using Dialog::Dialog;
    std::vector<std::uint32_t> words;

protected:
    LResult WindowProc(unsigned message, WParam wParam, LParam lParam) override {
        if (message == WM_KEYHOOK)
            words.push_back(std::uint32_t(lParam));
        return Dialog::WindowProc(message, wParam, lParam);
    }
};

} // namespace ferrox::test
