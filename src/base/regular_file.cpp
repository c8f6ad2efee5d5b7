// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferrox {

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it says ELOOP.
constexpr int kMaxLinkDepth = 40;

struct Kind {
    mode_t format; // the S_IFMT bits
    fs::file_type type;
};
constexpr Kind kKinds[] = {
    {S_IFREG, fs::file_type::regular},   {S_IFDIR, fs::file_type::directory},
    {S_IFLNK, fs::file_type::symlink},   {S_IFIFO, fs::file_type::fifo},
    {S_IFCHR, fs::file_type::character}, {S_IFBLK, fs::file_type::block},
    {S_IFSOCK, fs::file_type::socket},
};

fs::file_type TypeOf(mode_t mode) {
    for (const Kind& kind : kKinds)
        if ((mode & S_IFMT) == kind.format)
            return kind.type;
    return fs::file_type::unknown;
}

} // namespace

fs::path ComparablePath(const fs::path& path) {
    std::error_code ec;
    fs::path result = fs::weakly_canonical(path, ec);
    return ec ? path.lexically_normal() : result;
}

LinkEnd FollowLinks(const fs::path& path) {
    LinkEnd end{path};
    for (int depth = 0; depth <= kMaxLinkDepth; ++depth) {
        struct stat st {};
        if (::lstat(end.file.c_str(), &st) != 0) {
            end.error = errno;
            end.type = errno == ENOENT ? fs::file_type::not_found : fs::file_type::none;
            return end;
        }
        end.type = TypeOf(st.st_mode);
        end.mode = st.st_mode & 07777;
        if (end.type != fs::file_type::symlink)
            return end;
        std::error_code ec;
        const fs::path target = fs::read_symlink(end.file, ec);
        if (ec) {
            end.error = ec.value();
            end.type = fs::file_type::none;
            return end;
        }
        end.viaLink = true;
        end.file = target.is_absolute() ? target : end.file.parent_path() / target;
    }
    end.error = ELOOP;
    end.type = fs::file_type::none;
    return end;
}

FileProblem ProblemAt(const fs::path& path, FileUse use, const LinkEnd& end) {
    FileProblem problem;
    problem.path = path;
    problem.use = use;
    if (end.viaLink)
        problem.linkTarget = end.file.lexically_normal();
    if (end.type == fs::file_type::none) {
        problem.error = end.error;
    } else if (end.type == fs::file_type::not_found && !end.viaLink) {
        problem.error = ENOENT;
    } else if (end.type != fs::file_type::regular) {
        problem.found = end.type;
    }
    return problem;
}

RegularFileHandle OpenRegularFile(const fs::path& path, FileProblem& problem) {
    // Looked at first, so that a device is never even opened.
    const LinkEnd end = FollowLinks(path);
    problem = ProblemAt(path, FileUse::Read, end);
    if (end.type != fs::file_type::regular)
        return {};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        problem.error = errno;
        return {};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem.found = TypeOf(st.st_mode);
        ::close(fd);
        return {};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return {fd, std::uintmax_t(st.st_size)};
}

std::optional<std::string> ReadWholeFile(const fs::path& path, std::uintmax_t maxBytes,
                                         FileProblem& problem) {
    const RegularFileHandle file = OpenRegularFile(path, problem);
    if (file.fd < 0)
        return std::nullopt;
    std::string bytes;
    char block[4096];
    ssize_t got = 0;
    while (bytes.size() <= maxBytes && (got = ::read(file.fd, block, sizeof block)) > 0)
        bytes.append(block, std::size_t(got));
    if (got < 0)
        problem.error = errno;
    ::close(file.fd);
    if (bytes.size() > maxBytes)
        problem.error = EFBIG;
    if (problem.error != 0)
        return std::nullopt;
    return bytes;
}

} // namespace ferrox
