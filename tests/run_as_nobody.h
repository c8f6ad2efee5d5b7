// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file that belongs to someone else, as one does after a command was once run with sudo:
// the test runs its body in a child process as the user "nobody", who owns the folder (so it
// may replace files there) but can neither read nor link a root-owned file of mode 0600 in it.
// Only root can set this up; other users skip such tests.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ferrox::test {

inline constexpr uid_t kNobody = 65534;

inline bool CanRunAsNobody() {
    return ::geteuid() == 0;
}

// A root-owned file nobody cannot read, in a folder nobody owns.
inline void MakeForeignFile(const std::filesystem::path& file, const std::string& bytes) {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    ASSERT_EQ(::chown(file.parent_path().c_str(), kNobody, kNobody), 0);
}

// The body's result as the child's exit status (0 for success), -1 when it did not end normally.
inline int RunAsNobody(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(99);
        const int result = body();
        std::fflush(nullptr);
        ::_exit(result);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace ferrox::test
