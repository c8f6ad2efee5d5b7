// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the keys move a control that holds one of a row of stops (a slider, a level, a dial):
// the same keys move all of them the same way.

namespace ferrox {

// +1 for Right and Up, -1 for Left and Down, 0 for any other key.
int StepOfArrow(int virtualKey);

// The stop (0 .. count - 1) the key moves index to: the arrows one stop, Page Up and Page
// Down a tenth of the way, Home and End to the ends. -1 when the key moves nothing.
int SteppedIndex(int virtualKey, int index, int count);

} // namespace ferrox
