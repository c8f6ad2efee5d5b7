// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Things that can stand where a program expects one of its files: folders, fifos, device
// nodes, sockets and symbolic links to them, in a loop or to nothing. Device nodes are made
// in the test's own folder (a copy of /dev/null's numbers) and only by root; never is a
// system one touched.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace ferrox::test {

enum class Odd { Folder, Fifo, Device, Socket, LinkToFolder, LinkToFifo, LinkToDevice, LinkLoop, LinkToNothing };

struct OddCase {
    Odd odd;
    const char* name;
};
inline const std::vector<OddCase>& OddCases() {
    static const std::vector<OddCase> cases = {
        {Odd::Folder, "a folder"},
        {Odd::Fifo, "a fifo"},
        {Odd::Device, "a device node"},
        {Odd::Socket, "a socket"},
        {Odd::LinkToFolder, "a symbolic link to a folder"},
        {Odd::LinkToFifo, "a symbolic link to a fifo"},
        {Odd::LinkToDevice, "a symbolic link to a device node"},
        {Odd::LinkLoop, "a symbolic link loop"},
        {Odd::LinkToNothing, "a dangling symbolic link"},
    };
    return cases;
}

inline bool NeedsRoot(Odd odd) {
    return (odd == Odd::Device || odd == Odd::LinkToDevice) && ::geteuid() != 0;
}

// Runs body(odd) for each case this user can make, traced with its name.
template <typename Body> void ForEachOddCase(Body body) {
    for (const OddCase& c : OddCases()) {
        SCOPED_TRACE(c.name);
        if (!NeedsRoot(c.odd))
            body(c.odd);
    }
}

inline void MakeSocket(const std::filesystem::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.native().size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

inline void MakeNonLink(Odd odd, const std::filesystem::path& path) {
    switch (odd) {
    case Odd::Folder:
    case Odd::LinkToFolder:
        std::filesystem::create_directories(path);
        std::filesystem::create_directory(path / "inside");
        break;
    case Odd::Fifo:
    case Odd::LinkToFifo:
        ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0) << path;
        break;
    case Odd::Device:
    case Odd::LinkToDevice:
        ASSERT_EQ(::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0) << path;
        break;
    default:
        MakeSocket(path);
    }
}

// Puts the odd thing at path (which must not exist); what a link points at goes beside it.
inline void MakeOdd(Odd odd, const std::filesystem::path& path) {
    const std::filesystem::path target = path.string() + ".target";
    switch (odd) {
    case Odd::LinkToFolder:
    case Odd::LinkToFifo:
    case Odd::LinkToDevice:
        MakeNonLink(odd, target);
        std::filesystem::create_symlink(target, path);
        break;
    case Odd::LinkLoop:
        std::filesystem::create_symlink(path.filename().string() + ".other", path);
        std::filesystem::create_symlink(path.filename(), path.string() + ".other");
        break;
    case Odd::LinkToNothing:
        std::filesystem::create_symlink(target, path);
        break;
    default:
        MakeNonLink(odd, path);
    }
}

// What is at path and behind it, to see that nothing was replaced: the kind of each link of
// the chain, where it points, and the kind of its end.
inline std::string Shape(const std::filesystem::path& path) {
    std::string shape;
    std::filesystem::path at = path;
    for (int depth = 0; depth < 4; ++depth) {
        std::error_code ec;
        const auto status = std::filesystem::symlink_status(at, ec);
        shape += std::to_string(int(status.type()));
        if (status.type() != std::filesystem::file_type::symlink)
            return shape;
        const std::filesystem::path next = std::filesystem::read_symlink(at, ec);
        shape += " -> " + next.string() + "; ";
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return shape;
}

} // namespace ferrox::test
