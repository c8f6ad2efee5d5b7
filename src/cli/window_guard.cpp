// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/window_guard.h"

#include "base/app_globals.h"

#include <ostream>
#include <system_error>

namespace ferrox {

namespace fs = std::filesystem;

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    return a.lexically_normal() == b.lexically_normal();
}

bool InTheWay(const InstanceInfo* holder, const fs::path& dataFolder, bool usesRealDevice) {
    if (!holder)
        return true;
    return SameFolder(holder->dataFolder, dataFolder) || (usesRealDevice && holder->realDevices);
}

bool ClaimDataFolder(CliContext& context, const std::string& command, GuardUse use,
                     std::unique_ptr<InstanceLock>& lock) {
    if (context.host)
        return true; // the window itself runs the command, under its own lock
    const bool realDevice = use == GuardUse::FilesAndDevice && context.simulate == SimulateKind::None;
    if (std::optional<InstanceLock> claimed = InstanceLock::acquire(InstanceLockPath())) {
        lock = std::make_unique<InstanceLock>(std::move(*claimed));
        lock->publish(InstanceInfoPath(),
                      {InstanceInfo::Holder::Ferroxctl, DataFolder, realDevice});
        return true;
    }
    const std::optional<InstanceInfo> holder = ReadInstanceInfo(InstanceInfoPath());
    if (!InTheWay(holder ? &*holder : nullptr, DataFolder, realDevice))
        return true;
    if (holder && holder->holder == InstanceInfo::Holder::Ferroxctl) {
        context.err << "ferroxctl " << command
                    << ": another ferroxctl command is working on the same settings; try again "
                       "when it has finished\n";
        return false;
    }
    const bool sameFolder = !holder || SameFolder(holder->dataFolder, DataFolder);
    context.err << "ferroxctl " << command
                << ": the Ferrox window is running; close it first, or make the change there ("
                << (sameFolder ? "its next save would overwrite this one"
                               : "it is using the mouse; --simulate works beside it")
                << ")\n";
    return false;
}

} // namespace ferrox
