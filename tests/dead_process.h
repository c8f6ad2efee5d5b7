// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The id of a process that has ended and been reaped: no process has it now (until the system
// hands it out again, which takes a full round of ids).

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ferrox::test {

inline pid_t DeadPid() {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

} // namespace ferrox::test
