// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes that run on a thread of their own, so that the thread changing the data (the
// window's) never waits for the disk. A write holds its own copy of what it writes, taken when
// it was asked for; writes run one at a time in the order they were asked for, so a file never
// has two writers and an older copy never lands after a newer one. A write asked for while an
// earlier one still waits its turn takes that one's place: its copy holds the same changes and
// more, and both callers hear how it went.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace ferrox {

class SavingThread {
public:
    // Writes its copy; false when it could not. Runs on the saving thread, one at a time.
    using Write = std::function<bool()>;
    // Whether the write, or the newer one that took its place, reached the disk. Runs on the
    // saving thread, before Wait() returns.
    using Done = std::function<void(bool saved)>;

    SavingThread() = default;
    SavingThread(const SavingThread&) = delete;
    SavingThread& operator=(const SavingThread&) = delete;
    // Finishes every write asked for before.
    ~SavingThread();

    void Save(Write write, Done done = {});
    // Returns once every write asked for so far has ended and its callers have been told.
    void Wait();
    // Whether a write asked for has not ended yet.
    bool Busy();

private:
    struct Job {
        Write write;
        std::vector<Done> done;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread thread_; // started by the first write: a program that never saves has none
};

} // namespace ferrox
