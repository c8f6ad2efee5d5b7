// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/device_worker.h"

namespace ferrox {

namespace {
constexpr std::chrono::milliseconds kAnswerWait{10};
}

void DeviceWorker::RealPause(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

DeviceWorker::DeviceWorker(DeviceMessageSink& sink, Pause pause)
    : sink_(sink), pause_(std::move(pause)), thread_([this] { run(); }) {}

DeviceWorker::~DeviceWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void DeviceWorker::setTrace(Trace trace) {
    std::lock_guard lock(mutex_);
    trace_ = std::move(trace);
}

void DeviceWorker::send(std::shared_ptr<HidHandle> handle, const Frame& frame,
                        std::chrono::milliseconds pauseAfter, FrameTag tag) {
    enqueue({Job::Kind::Send, std::move(handle), frame, pauseAfter, tag, {}});
}

void DeviceWorker::pause(std::chrono::milliseconds duration) {
    enqueue({Job::Kind::Pause, nullptr, {}, duration, {}, {}});
}

void DeviceWorker::query(std::shared_ptr<HidHandle> handle, uint8_t command) {
    enqueue({Job::Kind::Query, std::move(handle), BuildFrame(command, {}), {}, {}, {}});
}

void DeviceWorker::then(std::function<void()> done) {
    enqueue({Job::Kind::Call, nullptr, {}, {}, {}, std::move(done)});
}

void DeviceWorker::enqueue(Job job) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void DeviceWorker::waitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void DeviceWorker::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) {
            return; // stopping, and everything queued has gone out
        }
        Job job = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        runJob(job);
        lock.lock();
        busy_ = false;
        if (queue_.empty()) {
            idle_.notify_all();
        }
    }
}

void DeviceWorker::runJob(Job& job) {
    switch (job.kind) {
    case Job::Kind::Send:
        if (!writeNumbered(job.handle.get(), job.frame) && job.handle) {
            sink_.post(WriteFailedMessage{job.tag});
        }
        break;
    case Job::Kind::Pause:
        break;
    case Job::Kind::Call:
        job.call();
        break;
    case Job::Kind::Query: {
        if (!job.handle) {
            break;
        }
        for (int attempt = 0; attempt < 2; ++attempt) {
            Frame request = job.frame;
            Frame answer;
            if (!writeNumbered(job.handle.get(), request)) {
                break;
            }
            pause_(kAnswerWait);
            if (!readAnswer(*job.handle, answer)) {
                break;
            }
            if (FramePayloadLength(answer) != 0) {
                sink_.post(AnswerMessage{answer});
                break;
            }
        }
        break;
    }
    }
    if (job.pause.count() > 0) {
        pause_(job.pause);
    }
}

bool DeviceWorker::writeNumbered(HidHandle* handle, Frame& frame) {
    {
        std::lock_guard lock(mutex_);
        frame[4] = sequence_++;
    }
    if (!handle) {
        return false;
    }
    trace('>', frame);
    return handle->setFeature(frame);
}

bool DeviceWorker::readAnswer(HidHandle& handle, Frame& answer) {
    answer = PreparedAnswerBuffer();
    if (!handle.getFeature(answer)) {
        return false;
    }
    trace('<', answer);
    return true;
}

void DeviceWorker::trace(char direction, const Frame& frame) {
    Trace copy;
    {
        std::lock_guard lock(mutex_);
        copy = trace_;
    }
    if (copy) {
        copy(direction, frame);
    }
}

} // namespace ferrox
