// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/instance_lock.h"

#include "base/regular_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferrox {
namespace fs = std::filesystem;

namespace {

// The historic mutex name, made file-safe: kept so older notes about it still match.
constexpr const char* kInstanceName = "ferrox-20210610-Mouse-33XX";

// Only a folder of our own that nobody else can reach may hold the lock and the socket:
// another user who could write there could take the lock and keep the window from starting.
bool PrivateFolder(const fs::path& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 0077) == 0;
}

bool MakePrivateFolder(const fs::path& folder) {
    ::mkdir(folder.c_str(), 0700);
    return PrivateFolder(folder);
}

} // namespace

fs::path InstanceRuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime && *runtime == '/' && PrivateFolder(runtime))
        return runtime;
    const fs::path folder = fs::path("/tmp") / ("ferrox-" + std::to_string(getuid()));
    if (MakePrivateFolder(folder))
        return folder;
    const char* home = std::getenv("HOME");
    const fs::path own = fs::path(home && *home ? home : "/") / ".cache" / "ferrox-runtime";
    std::error_code ec;
    fs::create_directories(own.parent_path(), ec);
    MakePrivateFolder(own);
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

} // namespace ferrox
