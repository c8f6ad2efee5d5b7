// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/macro_link.h"

#include <algorithm>

namespace ferrox {

const MacroKey* LinkedMacro(const KeySlot& key, const MacroLibrary& library) {
    if (key.function.Category() != FunctionCategory::Macro || key.macroKeyIndex == 0) {
        return nullptr;
    }
    return library.FindMacro(static_cast<std::int32_t>(key.macroKeyIndex));
}

bool RefreshMacroCopy(KeySlot& key, const MacroKey& source) {
    MacroKey& copy = key.macro;
    const auto before = copy.actions;
    const std::uint32_t countBefore = copy.MacroActionNum;
    copy.ReplaceActions(source, source.MacroActionNum);
    const bool changed = copy.MacroActionNum != countBefore || copy.actions != before;
    copy.MacroKeyIndex = source.MacroKeyIndex;
    copy.MacroKeyLoopType = source.MacroKeyLoopType;
    copy.MacroKeyLoopNum = source.MacroKeyLoopNum;
    copy.MacroCommandActionNum = source.MacroCommandActionNum;
    return changed;
}

bool RefreshMacroCopies(KeyTable& keys, const MacroLibrary& library) {
    bool changed = false;
    for (KeySlot& key : keys) {
        if (const MacroKey* source = LinkedMacro(key, library)) {
            changed |= RefreshMacroCopy(key, *source);
        }
    }
    return changed;
}

} // namespace ferrox
