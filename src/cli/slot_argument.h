// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Profile slot numbers on the command line: 0..4, as in the files.

#include <optional>
#include <string>

namespace ferrox {

inline std::optional<int> ParseSlotArgument(const std::string& text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '4')
        return text[0] - '0';
    return std::nullopt;
}

} // namespace ferrox
