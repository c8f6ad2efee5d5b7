// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/saving_thread.h"

namespace ferrox {

SavingThread::~SavingThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void SavingThread::Save(Write write, Done done) {
    {
        std::lock_guard lock(mutex_);
        if (!waiting_)
            waiting_.emplace();
        waiting_->write = std::move(write);
        if (done)
            waiting_->done.push_back(std::move(done));
        if (!thread_.joinable())
            thread_ = std::thread([this] { run(); });
    }
    changed_.notify_all();
}

void SavingThread::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !writing_; });
}

bool SavingThread::Busy() {
    std::lock_guard lock(mutex_);
    return waiting_ || writing_;
}

void SavingThread::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_)
            return; // stopping, and nothing left to write
        Job job = std::move(*waiting_);
        waiting_.reset();
        writing_ = true;
        lock.unlock();
        const bool saved = job.write();
        for (const Done& done : job.done)
            done(saved);
        job = {}; // its copy goes before the waiters hear the write has ended
        lock.lock();
        writing_ = false;
        changed_.notify_all();
    }
}

} // namespace ferrox
