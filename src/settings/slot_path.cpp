// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/slot_path.h"

#include "settings/profile_settings.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <system_error>

namespace ferrox {

namespace fs = std::filesystem;

namespace {

// n when name is "default<n>.psf" for a slot n.
std::optional<int> DefaultSlotOf(const std::string& name) {
    for (int slot = 0; slot < ProfileCount; ++slot)
        if (name == SlotFileIn({}, slot).filename().string())
            return slot;
    return std::nullopt;
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    if (a.lexically_normal() == b.lexically_normal())
        return true;
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(path, ec).type();
    return type != fs::file_type::not_found && type != fs::file_type::none;
}

bool EndsInPsf(const std::string& name) {
    constexpr std::string_view ending = ".psf";
    return name.size() > ending.size() &&
           std::equal(ending.rbegin(), ending.rend(), name.rbegin(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace

fs::path SlotFileIn(const fs::path& dataFolder, int slot) {
    return dataFolder / "config" / ("default" + std::to_string(slot) + ".psf");
}

fs::path OwnSlotPath(const fs::path& dataFolder, int slot, const fs::path& stored) {
    const fs::path configFolder = dataFolder / "config";
    const fs::path storedFolder = stored.parent_path();
    if (std::optional<int> named = DefaultSlotOf(stored.filename().string());
        named && stored.is_absolute() && storedFolder.filename() == "config" &&
        !SameFolder(storedFolder, configFolder))
        return SlotFileIn(dataFolder, *named);
    if (const fs::path own = SlotFileIn(dataFolder, slot); !Exists(stored) && Exists(own))
        return own;
    return stored;
}

std::optional<SlotPathFault> CheckSlotPath(const fs::path& stored) {
    if (!stored.is_absolute())
        return SlotPathFault::NotAbsolute;
    if (!EndsInPsf(stored.filename().string()))
        return SlotPathFault::NotProfileFile;
    return std::nullopt;
}

} // namespace ferrox
