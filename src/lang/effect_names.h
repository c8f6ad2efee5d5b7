// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts that name the lighting effects. Profiles store the name of the moment beside the
// effect's mode; what is shown is named from the mode, so it follows the language.

#include "lang/language_table.h"

#include <array>
#include <string>

namespace ferrox {

// LanguageTable index of the name of each lighting mode 0..9.
inline constexpr std::array<int, 10> LightingEffectTexts{109, 100, 101, 102, 103,
                                                         110, 105, 106, 107, 108};

// The name of a mode in the language of `texts`; a mode past the last names the last, as the
// profile reader keeps it.
std::wstring LightingEffectName(int mode, const LanguageTexts& texts);

} // namespace ferrox
