// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_library_saves.h"

namespace ferrox {

namespace {

void Finish(MacroLibrarySaves::Write write, std::unique_ptr<MacroLibrary> copy,
            std::vector<MacroLibrarySaves::Done> told) {
    const bool saved = write(*copy);
    for (const MacroLibrarySaves::Done& done : told)
        done(saved);
}

} // namespace

MacroLibrarySaves::~MacroLibrarySaves() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void MacroLibrarySaves::Save(const MacroLibrary& library, Write write, Done done) {
    // Copied here, on the caller's thread: the library goes on changing once this returns.
    std::unique_ptr<MacroLibrary> copy = library.Copy();
    {
        std::lock_guard lock(mutex_);
        if (!waiting_)
            waiting_.emplace();
        waiting_->copy = std::move(copy);
        waiting_->write = std::move(write);
        if (done)
            waiting_->done.push_back(std::move(done));
        if (!thread_.joinable())
            thread_ = std::thread([this] { run(); });
    }
    changed_.notify_all();
}

void MacroLibrarySaves::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !writing_; });
}

void MacroLibrarySaves::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_)
            return; // stopping, and nothing left to write
        Job job = std::move(*waiting_);
        waiting_.reset();
        writing_ = true;
        lock.unlock();
        Finish(std::move(job.write), std::move(job.copy), std::move(job.done));
        lock.lock();
        writing_ = false;
        changed_.notify_all();
    }
}

} // namespace ferrox
