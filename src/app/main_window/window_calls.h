// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a part of the main window asks of the window. The parts never reach into each other or
// into the window itself: the view is refreshed, the profile collected, changes sent and
// notices shown through these calls, so a part can be read (and tested) on its own.

#include <functional>

namespace ferrox {

struct WindowCalls {
    // Every part shows the current profile; once per change.
    std::function<void()> showProfileAgain;
    // Every part writes its controls' state into the current profile.
    std::function<void()> collectView;
    // ChangeGroup bits; they go to the mouse on the window's apply timer, together with those of
    // a drag that has not ended yet.
    std::function<void(unsigned groups)> scheduleApply;
    // A slider moved while held: the groups are applied when the button comes up.
    std::function<void(unsigned groups)> noteDrag;
    // An attention notice with a text of the language file, or the English text when the file
    // has none (or for index -1).
    std::function<void(int textIndex, const char* english)> showNotice;
    // The screen height measured at start-up.
    std::function<int()> screenHeight;
};

} // namespace ferrox
