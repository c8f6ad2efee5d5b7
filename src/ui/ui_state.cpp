// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ui_state.h"

namespace ferrox {

std::uint32_t RadioGroupFlags = 0;
std::uint32_t DpiLevelMask = 0;
int MainPageIndex = 0;
int SubPageIndex = 0;

} // namespace ferrox
