#pragma once
// The single-instance guard: an exclusive lock on a file in the user's runtime folder, held
// for the life of the process and released by the system when it ends (a crashed run leaves
// no lock behind). The first instance listens on a local socket beside it; a second one
// sends the wake-up message there and ends. Plain POSIX, no Qt: ferroxctl compiles it too, to
// tell whether the window program is running.

#include <filesystem>
#include <optional>

namespace ferrox {

// $XDG_RUNTIME_DIR, or a private folder under /tmp when it is not set.
std::filesystem::path InstanceRuntimeFolder();
std::filesystem::path InstanceLockPath();
std::filesystem::path InstanceSocketPath();

class InstanceLock {
public:
    // nullopt when another instance holds the lock. A lock file that cannot be made at all
    // lets this instance run, as any failure other than "already running" must.
    static std::optional<InstanceLock> acquire(const std::filesystem::path& lockFile);
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&&) = delete;
    ~InstanceLock();

private:
    explicit InstanceLock(int fd) : fd_(fd) {}
    int fd_;
};

// Sends message with both parameters 0 to the instance listening at socketPath; false when
// none answers within a second. Works before any Qt object exists.
bool SendToRunningInstance(const std::filesystem::path& socketPath, unsigned message);

// The wire form: message, wParam, lParam as three little-endian 32-bit words.
inline constexpr int kInstanceMessageBytes = 12;

} // namespace ferrox
