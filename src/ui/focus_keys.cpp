// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_keys.h"

#include "platform/virtual_keys.h"

#include <algorithm>

namespace ferrox {

int StepOfArrow(int key) {
    switch (key) {
    case vk::Right:
    case vk::Up:
        return 1;
    case vk::Left:
    case vk::Down:
        return -1;
    default:
        return 0;
    }
}

int SteppedIndex(int key, int index, int count) {
    if (count <= 0)
        return -1;
    const int page = std::max(1, count / 10);
    int target = index;
    switch (key) {
    case vk::Prior: target = index + page; break;
    case vk::Next: target = index - page; break;
    case vk::Home: target = 0; break;
    case vk::End: target = count - 1; break;
    default:
        if (const int step = StepOfArrow(key))
            target = index + step;
        else
            return -1;
    }
    return std::clamp(target, 0, count - 1);
}

} // namespace ferrox
