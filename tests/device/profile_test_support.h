// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings for the protocol tests: five default profiles on the 0x3325 sensor, slot 0 current.
// Kept in its own file so the window test can use it too: the settings headers use names Qt
// defines as macros.

#include <cstdint>

namespace ferrox::test {

void ResetTestSettings();
uint8_t CurrentDpiLevel();
void SetCurrentReportRate(uint8_t rate);

} // namespace ferrox::test
