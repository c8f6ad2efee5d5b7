// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's radio groups and page tabs. Every dialog builds its controls with these
// bindings, so a bit of RadioGroupFlags means the same choice wherever it is read.

#include "ui/control_factory.h"

namespace ferrox {

std::span<const RadioGroupEntry> ProgramRadioGroups();
std::span<const TabPageEntry> ProgramTabPages();
// Both of the above, ready for AddControls.
ControlBindings ProgramControlBindings();

} // namespace ferrox
