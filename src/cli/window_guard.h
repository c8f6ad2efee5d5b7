// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ferroxctl and the window program side by side: a command that changes files or the mouse
// must not run under a window that works on the same data folder (its next save would undo the
// change) or on the same real mouse. Read-only commands need no guard.

#include "base/instance_lock.h"
#include "cli/cli_context.h"

#include <memory>
#include <string>

namespace ferrox {

enum class GuardUse { Files, FilesAndDevice };

// Whether a command of ours, working on dataFolder (and on the real mouse unless simulate),
// would get in the way of what holds the lock. An unreadable holder counts as in the way.
// The same folder, under any of its names.
bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

bool InTheWay(const InstanceInfo* holder, const std::filesystem::path& dataFolder,
              bool usesRealDevice);

// Takes the single-instance lock for the rest of the run (so that the window cannot start
// in between) and publishes what this command works on. When the lock is held by a window or
// another ferroxctl in the way, prints "ferroxctl COMMAND: the Ferrox window is running; ..."
// and returns false. DataFolder must be set.
bool ClaimDataFolder(CliContext& context, const std::string& command, GuardUse use,
                     std::unique_ptr<InstanceLock>& lock);

} // namespace ferrox
