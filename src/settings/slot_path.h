// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which file a profile slot path stored in "config.ini" means. The file stores absolute paths,
// so a data folder that was copied or moved would otherwise go on reading and writing the
// original's profiles, and recreate the original folder once it is gone.

#include <filesystem>
#include <optional>

namespace ferrox {

// "default<slot>.psf" in dataFolder's "config" folder.
std::filesystem::path SlotFileIn(const std::filesystem::path& dataFolder, int slot);

// The file stored means for slot in dataFolder. A slot file of another data folder
// ("<folder>/config/default<n>.psf", n = 0..4) is this folder's own default<n>.psf; so is any
// other path that no longer exists while this folder has the slot's own file. Any other path
// is kept exactly as stored.
std::filesystem::path OwnSlotPath(const std::filesystem::path& dataFolder, int slot,
                                  const std::filesystem::path& stored);

// Why a stored slot path cannot name a profile file (a file cut short, a hand edit): it is not
// absolute or does not end in ".psf". Nothing when it can.
enum class SlotPathFault { NotAbsolute, NotProfileFile };
std::optional<SlotPathFault> CheckSlotPath(const std::filesystem::path& stored);

} // namespace ferrox
