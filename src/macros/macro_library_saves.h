// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saves of a macro library that run on a thread of their own, so that the thread editing the
// library (the window's) never waits for the disk. A save takes its copy of the library when
// it is asked for; copies are written in the order they were taken, one at a time, and a save
// still waiting its turn gives way to a newer one (base/saving_thread.h).

#include "base/saving_thread.h"
#include "macros/macro_library.h"

#include <functional>

namespace ferrox {

class MacroLibrarySaves {
public:
    // Writes a copy to its file; false when the file could not be written. Runs on the saving
    // thread, one call at a time.
    using Write = std::function<bool(const MacroLibrary&)>;
    // Whether the copy, or the newer one that took its place, reached the file. Runs on the
    // saving thread, before Wait() returns.
    using Done = SavingThread::Done;

    void Save(const MacroLibrary& library, Write write, Done done = {});
    // Returns once every save asked for so far has been written or has failed, and its callers
    // have been told.
    void Wait() { thread_.Wait(); }

private:
    SavingThread thread_; // its destructor finishes every save asked for before
};

} // namespace ferrox
