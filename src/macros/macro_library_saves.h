// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saves of a macro library that run on a thread of their own, so that the thread editing the
// library (the window's) never waits for the disk. A save takes its copy of the library when
// it is asked for; copies are written one at a time in the order they were taken, so the file
// never has two writers and an older copy never lands after a newer one. A save asked for
// while an earlier one still waits its turn takes that one's place: the newer copy holds the
// same edits and more, and both callers hear how it went.

#include "macros/macro_library.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace ferrox {

class MacroLibrarySaves {
public:
    // Writes a copy to its file; false when the file could not be written. Runs on the saving
    // thread, one call at a time.
    using Write = std::function<bool(const MacroLibrary&)>;
    // Whether the copy, or the newer one that took its place, reached the file. Runs on the
    // saving thread, before Wait() returns.
    using Done = std::function<void(bool saved)>;

    MacroLibrarySaves() = default;
    MacroLibrarySaves(const MacroLibrarySaves&) = delete;
    MacroLibrarySaves& operator=(const MacroLibrarySaves&) = delete;
    // Finishes every save asked for before.
    ~MacroLibrarySaves();

    void Save(const MacroLibrary& library, Write write, Done done = {});
    // Returns once every save asked for so far has been written or has failed, and its callers
    // have been told.
    void Wait();

private:
    struct Job {
        std::unique_ptr<MacroLibrary> copy;
        Write write;
        std::vector<Done> done;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread thread_; // started by the first save: a program that never saves has none
};

} // namespace ferrox
