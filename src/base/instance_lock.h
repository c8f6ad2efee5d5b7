// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-instance guard: an exclusive lock on a file in the user's runtime folder, held
// for the life of the process and released by the system when it ends (a crashed run leaves
// no lock behind). The first instance listens on a local socket beside it; a second one
// sends the wake-up message there and ends (instance_client.h). Plain POSIX, no Qt: ferroxctl takes the same lock
// while it changes files or the mouse, and reads what the window published beside it.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace ferrox {

// $XDG_RUNTIME_DIR when it is a folder of this user's that nobody else can reach, else a
// private folder under /tmp (or, failing that, under the home folder).
std::filesystem::path InstanceRuntimeFolder();
std::filesystem::path InstanceLockPath();
std::filesystem::path InstanceSocketPath();
// Beside the lock: what its holder works on (InstanceInfo), so that ferroxctl can tell whether
// it would get in the window's way.
std::filesystem::path InstanceInfoPath();

// What the holder of the lock works on.
struct InstanceInfo {
    enum class Holder { Window, Ferroxctl };
    Holder holder = Holder::Window;
    std::filesystem::path dataFolder;
    bool realDevices = true; // false with --simulate: the virtual mouse is its own
};
// Nothing when the file is missing or not in the form publish() writes.
std::optional<InstanceInfo> ReadInstanceInfo(const std::filesystem::path& file);

class InstanceLock {
public:
    // nullopt when another instance holds the lock. A lock file that cannot be made at all
    // lets this instance run, as any failure other than "already running" must.
    static std::optional<InstanceLock> acquire(const std::filesystem::path& lockFile);
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&&) = delete;
    // Releases the lock and removes the published file.
    ~InstanceLock();

    // Writes info to file (whole, or not at all); it is removed when the lock goes. False when
    // it could not be written.
    bool publish(const std::filesystem::path& file, const InstanceInfo& info);

private:
    explicit InstanceLock(int fd) : fd_(fd) {}
    int fd_;
    std::filesystem::path published_;
};

} // namespace ferrox
