// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_path.h"

namespace ferrox {

namespace {
constexpr int DeepestStage = 2;
}

std::optional<MacroLocation> FindLibraryPath(const MacroLibrary& library,
                                             const std::wstring& path) {
    MacroLocation at;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find(L'/', start), path.size());
        const std::wstring name = path.substr(start, end - start);
        start = end + 1;
        if (name.empty()) {
            continue;
        }
        std::optional<MacroLocation> found;
        for (int slot = 0; at.stage < DeepestStage && slot < MacroGroupSize && !found; ++slot) {
            const MacroLocation child = ChildLocation(at, slot);
            if (library.NodeAt(child)->MacroItemName == name) {
                found = child;
            }
        }
        if (!found) {
            return std::nullopt;
        }
        at = *found;
    }
    return at.stage < 0 ? std::nullopt : std::optional(at);
}

const MacroItem* FindMacroAtPath(const MacroLibrary& library, const std::wstring& path) {
    const std::optional<MacroLocation> at = FindLibraryPath(library, path);
    const MacroItem* item = at ? library.NodeAt(*at) : nullptr;
    return item && item->MacroItemIsFolder != 1 && item->macro ? item : nullptr;
}

} // namespace ferrox
