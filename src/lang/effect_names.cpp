// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/effect_names.h"

#include <algorithm>

namespace ferrox {

std::wstring LightingEffectName(int mode, const LanguageTexts& texts) {
    const int last = int(LightingEffectTexts.size()) - 1;
    return texts[std::size_t(LightingEffectTexts[std::size_t(std::clamp(mode, 0, last))])];
}

} // namespace ferrox
