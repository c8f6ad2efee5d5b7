#include "base/instance_lock.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace ferrox {
namespace fs = std::filesystem;

namespace {

// The historic mutex name, made file-safe: kept so older notes about it still match.
constexpr const char* kInstanceName = "ferrox-20210610-Mouse-33XX";

void PutWord(uint8_t* out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[i] = uint8_t(value >> (8 * i));
}

// Only a folder of our own that nobody else can write to may hold the lock and the socket.
bool PrivateFolder(const fs::path& folder) {
    ::mkdir(folder.c_str(), 0700);
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 0077) == 0;
}

} // namespace

fs::path InstanceRuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
        return runtime;
    const fs::path folder = fs::path("/tmp") / ("ferrox-" + std::to_string(getuid()));
    if (PrivateFolder(folder))
        return folder;
    const char* home = std::getenv("HOME");
    const fs::path own = fs::path(home && *home ? home : "/") / ".cache" / "ferrox-runtime";
    std::error_code ec;
    fs::create_directories(own.parent_path(), ec);
    PrivateFolder(own);
    return own;
}

fs::path InstanceLockPath() {
    return InstanceRuntimeFolder() / (std::string(kInstanceName) + ".lock");
}

fs::path InstanceSocketPath() {
    return InstanceRuntimeFolder() / (std::string(kInstanceName) + ".socket");
}

std::optional<InstanceLock> InstanceLock::acquire(const fs::path& lockFile) {
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return InstanceLock(-1);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return InstanceLock(fd);
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK)
        return std::nullopt;
    return InstanceLock(-1);
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool SendToRunningInstance(const fs::path& socketPath, unsigned message) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = socketPath.string();
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    std::array<uint8_t, kInstanceMessageBytes> wire{};
    PutWord(wire.data(), message);
    bool sent = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                ::send(fd, wire.data(), wire.size(), MSG_NOSIGNAL) == ssize_t(wire.size());
    if (sent) {
        // Wait for the first instance to take it (it closes the connection) so that a
        // caller that ends at once does not race the delivery.
        pollfd pfd{fd, POLLIN, 0};
        ::poll(&pfd, 1, 1000);
    }
    ::close(fd);
    return sent;
}

} // namespace ferrox
