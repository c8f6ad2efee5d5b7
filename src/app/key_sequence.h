// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's keyboard filter: Enter and Escape never reach the dialog (it neither
// closes nor confirms from the keyboard), and a ten-letter sequence opens the support notice.

#include <array>
#include <cstddef>

namespace ferrox {

inline constexpr std::array<char, 10> kSupportSequence = {'F', 'E', 'R', 'R', 'O',
                                                          'X', 'H', 'E', 'L', 'P'};

enum class KeyVerdict { PassOn, Swallow, ShowSupport };

class KeySequenceFilter {
public:
    KeyVerdict keyDown(int virtualKey);
    int progress() const { return counter_; }
    void reset() { counter_ = 0; }

private:
    int counter_ = 0; // letters of the sequence typed so far, 0..10
};

} // namespace ferrox
