#include "base/instance_lock.h"

#include "base/regular_file.h"

#include <array>
#include <optional>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sstream>
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

fs::path InstanceInfoPath() {
    return InstanceRuntimeFolder() / (std::string(kInstanceName) + ".info");
}

// Two lines and the folder as it is (a folder name may hold a line break):
//   holder=window|ferroxctl
//   devices=real|simulated
//   folder=<the rest of the file>
std::optional<InstanceInfo> ReadInstanceInfo(const fs::path& file) {
    // Two short lines and a folder name.
    constexpr std::uintmax_t kMaxInfoBytes = 64 * 1024;
    FileProblem problem;
    const std::optional<std::string> text = ReadWholeFile(file, kMaxInfoBytes, problem);
    if (!text)
        return std::nullopt;
    std::istringstream in(*text);
    std::string holder, devices, folder;
    if (!std::getline(in, holder) || !std::getline(in, devices))
        return std::nullopt;
    folder.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const std::string folderKey = "folder=";
    if (folder.compare(0, folderKey.size(), folderKey) != 0 || folder.size() == folderKey.size())
        return std::nullopt;
    InstanceInfo info;
    if (holder == "holder=ferroxctl")
        info.holder = InstanceInfo::Holder::Ferroxctl;
    else if (holder != "holder=window")
        return std::nullopt;
    if (devices != "devices=real" && devices != "devices=simulated")
        return std::nullopt;
    info.realDevices = devices == "devices=real";
    info.dataFolder = folder.substr(folderKey.size());
    return info;
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

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : fd_(other.fd_), published_(std::move(other.published_)) {
    other.fd_ = -1;
    other.published_.clear();
}

InstanceLock::~InstanceLock() {
    // Gone before the lock is: whoever takes the lock next finds no stale word of ours.
    if (!published_.empty())
        ::unlink(published_.c_str());
    if (fd_ >= 0)
        ::close(fd_);
}

bool InstanceLock::publish(const fs::path& file, const InstanceInfo& info) {
    const std::string text =
        std::string("holder=") +
        (info.holder == InstanceInfo::Holder::Window ? "window" : "ferroxctl") +
        "\ndevices=" + (info.realDevices ? "real" : "simulated") +
        "\nfolder=" + info.dataFolder.native();
    fs::path temp = file;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            out.close();
            ::unlink(temp.c_str());
            return false;
        }
    }
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    published_ = file;
    return true;
}

namespace {

// Connects and sends the three words; the open socket, or -1 when nobody listens.
int SendWords(const fs::path& socketPath, unsigned message, uint32_t wParam, uint32_t lParam) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = socketPath.string();
    if (path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    std::array<uint8_t, kInstanceMessageBytes> wire{};
    PutWord(wire.data(), message);
    PutWord(wire.data() + 4, wParam);
    PutWord(wire.data() + 8, lParam);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::send(fd, wire.data(), wire.size(), MSG_NOSIGNAL) != ssize_t(wire.size())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

constexpr int kNoReply = -1;  // closed without an answer
constexpr int kTimedOut = -2; // still open when the time was up

// The reply byte, kNoReply or kTimedOut.
int ReadReply(int fd, int milliseconds) {
    pollfd pfd{fd, POLLIN, 0};
    if (::poll(&pfd, 1, milliseconds) <= 0)
        return kTimedOut;
    uint8_t reply = 0;
    return ::recv(fd, &reply, 1, 0) == 1 ? reply : kNoReply;
}

} // namespace

bool SendToRunningInstance(const fs::path& socketPath, unsigned message) {
    const int fd = SendWords(socketPath, message, 0, 0);
    if (fd < 0)
        return false;
    // Wait for the first instance to take it (it closes the connection) so that a caller that
    // ends at once does not race the delivery.
    ReadReply(fd, 1000);
    ::close(fd);
    return true;
}

InstanceReply AskRunningInstance(const fs::path& socketPath, unsigned message, uint32_t wParam,
                                 uint32_t lParam) {
    const int fd = SendWords(socketPath, message, wParam, lParam);
    if (fd < 0)
        return InstanceReply::NoInstance;
    // A window that is still starting takes requests once its event loop runs.
    const int reply = ReadReply(fd, 5000);
    ::close(fd);
    switch (reply) {
    case kTimedOut:
        return InstanceReply::NoAnswer;
    case kNoReply:
        return InstanceReply::Refused;
    case kReplyDone:
        return InstanceReply::Done;
    default:
        return InstanceReply::Failed;
    }
}

} // namespace ferrox
