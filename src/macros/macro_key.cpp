// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_types.h"

#include <algorithm>

namespace ferrox {

MacroAction MacroKey::GetAction(std::uint32_t index) const {
    return actions[index < MacroActionCapacity ? index : 0];
}

bool MacroKey::SetAction(std::uint32_t index, MacroAction action) {
    if (index >= MacroActionCapacity)
        return false;
    actions[index] = action;
    return true;
}

bool MacroKey::InsertAction(std::uint32_t position, MacroAction action) {
    if (MacroActionNum >= MacroActionCapacity)
        return false;
    position = std::min(position, MacroActionNum);
    // Slot 335 holds no valid action while the macro is not full, so it may be pushed out.
    std::copy_backward(actions.begin() + position, actions.end() - 1, actions.end());
    actions[position] = action;
    ++MacroActionNum;
    return true;
}

bool MacroKey::DeleteAction(std::uint32_t index) {
    if (index >= MacroActionNum || index >= MacroActionCapacity)
        return false;
    std::copy(actions.begin() + index + 1, actions.end(), actions.begin() + index);
    actions.back() = MacroAction{};
    --MacroActionNum;
    return true;
}

void MacroKey::ReplaceActions(const MacroKey& source, std::uint32_t count) {
    count = std::min(count, MacroActionCapacity);
    // Source may be this macro: the kept actions stay where they are.
    std::copy_n(source.actions.begin(), count, actions.begin());
    std::fill(actions.begin() + count, actions.end(), MacroAction{});
    MacroActionNum = count;
}

} // namespace ferrox
