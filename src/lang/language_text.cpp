// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"

namespace ferrox {

std::wstring LanguageText(int index) {
    if (index < 0 || index >= kLanguageTextCount) {
        return {};
    }
    return LanguageTable[static_cast<std::size_t>(index)];
}

} // namespace ferrox
