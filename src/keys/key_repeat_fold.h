// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folds a held key's auto-repeat out of the captured keystrokes. X servers whose auto-repeat
// Qt cannot detect (Xvfb, several Xwayland versions, remote sessions) repeat a held key as a
// real release followed at once by a press, both with the same or adjacent times. So a
// release is held back for a few milliseconds: a press of the same key within that time drops
// both, and anything else lets it go on first. What goes on keeps the time it was captured at.

#include "keys/key_capture.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace ferrox {

// Milliseconds on a running clock; only differences matter, modulo 2^31.
using KeyClock = std::function<std::uint32_t()>;

struct CapturedKey {
    std::uint8_t key = 0;
    std::uint32_t word = 0; // KeyEventWord: release bit and capture time
    friend constexpr bool operator==(const CapturedKey&, const CapturedKey&) = default;
};

using CapturedKeySink = std::function<void(const CapturedKey&)>;

class KeyRepeatFold {
public:
    // Longest gap between a repeat's release and its press.
    static constexpr std::uint32_t HoldBackMs = 5;

    explicit KeyRepeatFold(KeyClock clock) : clock_(std::move(clock)) {}

    // One keystroke as captured now; what may go on goes to sink, in order.
    void Take(std::uint8_t key, bool release, const CapturedKeySink& sink);
    // The held release goes on once its time is up. Otherwise the milliseconds still to wait;
    // nothing when no release is held.
    std::optional<std::uint32_t> Expire(const CapturedKeySink& sink);
    // The held release goes on now, whatever its time (the capture ends).
    void Flush(const CapturedKeySink& sink);
    bool Holding() const { return held_.has_value(); }

private:
    KeyClock clock_;
    std::optional<CapturedKey> held_;
};

} // namespace ferrox
