#pragma once
// The single-instance guard: an exclusive lock on a file in the user's runtime folder, held
// for the life of the process and released by the system when it ends (a crashed run leaves
// no lock behind). The first instance listens on a local socket beside it; a second one
// sends the wake-up message there and ends. Plain POSIX, no Qt: ferroxctl takes the same lock
// while it changes files or the mouse, and reads what the window published beside it.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace ferrox {

// $XDG_RUNTIME_DIR, or a private folder under /tmp when it is not set.
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

// Sends message with both parameters 0 to the instance listening at socketPath; false when
// none answers within a second. Works before any Qt object exists.
bool SendToRunningInstance(const std::filesystem::path& socketPath, unsigned message);

// The wire form: message, wParam, lParam as three little-endian 32-bit words. A request that
// the instance takes is answered with one byte before it closes the connection.
inline constexpr int kInstanceMessageBytes = 12;
inline constexpr uint8_t kReplyDone = 1;
inline constexpr uint8_t kReplyFailed = 2;

enum class InstanceReply {
    NoInstance, // nobody listens at the socket
    Refused,    // the instance closed the connection without an answer
    NoAnswer,   // the instance kept the connection open without answering
    Done,
    Failed, // taken, but it could not be done
};

// Sends a request and waits up to five seconds for the instance's answer.
InstanceReply AskRunningInstance(const std::filesystem::path& socketPath, unsigned message,
                                 uint32_t wParam, uint32_t lParam);

} // namespace ferrox
