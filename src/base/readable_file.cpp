#include "base/readable_file.h"

#include "base/log_sink.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferrox {

namespace {

FileCheck Unreadable(std::string reason) {
    return {FileState::Unreadable, std::move(reason)};
}

std::string KindText(mode_t mode) {
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a named pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    return "it is not a regular file";
}

FileCheck CheckFile(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const int error = errno;
        struct stat link {};
        // A link whose target is gone is something the user made, unlike an absent file.
        if ((error == ENOENT || error == ENOTDIR) && ::lstat(path.c_str(), &link) != 0)
            return {FileState::Missing, {}};
        if (error == ENOENT)
            return Unreadable("it is a symbolic link to a file that does not exist");
        return Unreadable(std::strerror(error));
    }
    // Opening a device or a pipe can block or have effects of its own: only files are opened.
    if (!S_ISREG(info.st_mode))
        return Unreadable(KindText(info.st_mode));
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Unreadable(std::strerror(errno));
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular ? FileCheck{FileState::Readable, {}} : Unreadable(KindText(info.st_mode));
}

} // namespace

FileCheck CheckReadableFile(const std::filesystem::path& path) {
    FileCheck check = CheckFile(path);
    // The reason is logged where it is found: the message people see may word it for the case.
    if (check.state == FileState::Unreadable)
        Log(LogLevel::Warning, LogCategory::Files,
            path.string() + " could not be read: " + check.reason);
    return check;
}

std::string FolderProblem(const std::filesystem::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return "it is not a folder";
    if (::access(folder.c_str(), X_OK) != 0)
        return std::strerror(errno);
    return {};
}

} // namespace ferrox
