// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one thread that talks to the command interface. The owner queues frames and queries
// and returns at once; the worker writes them in queue order, each followed by its pause,
// numbers each frame as it writes it, and posts answers and failed writes back to the owner.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "device/hid/hid_backend.h"
#include "device/protocol/frame.h"
#include "device/protocol/transport_messages.h"

namespace ferrox {

class DeviceWorker {
public:
    using Pause = std::function<void(std::chrono::milliseconds)>;
    // Sees every frame written ('>') and every answer read ('<'), on the worker thread.
    using Trace = std::function<void(char direction, const Frame& frame)>;

    static void RealPause(std::chrono::milliseconds duration);

    // pause is how the worker waits between frames: RealPause in the program; tests pass a
    // function that records the pauses instead of sleeping through them.
    explicit DeviceWorker(DeviceMessageSink& sink, Pause pause = RealPause);
    // Sends everything still queued, then ends the thread.
    ~DeviceWorker();
    DeviceWorker(const DeviceWorker&) = delete;
    DeviceWorker& operator=(const DeviceWorker&) = delete;

    void setTrace(Trace trace);

    // Writes frame to handle, then waits pauseAfter. A failed write posts WriteFailedMessage
    // with tag. A null handle skips the write but the frame still takes its number.
    void send(std::shared_ptr<HidHandle> handle, const Frame& frame,
              std::chrono::milliseconds pauseAfter, FrameTag tag = {});
    // A pause in the queue with no frame before it.
    void pause(std::chrono::milliseconds duration);
    // Query with command and no payload: 10 ms, read the answer, once more if it is empty;
    // a non-empty answer is posted as AnswerMessage.
    void query(std::shared_ptr<HidHandle> handle, uint8_t command);

    // Blocks until the queue is empty and the last job has finished. For ferroxctl and tests;
    // the window never waits on the worker.
    void waitIdle();
    // Runs done on the worker's thread once everything queued before it has gone out, its
    // pauses included: how the window learns that a command's frames are on the wire without
    // waiting for them.
    void then(std::function<void()> done);

private:
    struct Job {
        enum class Kind { Send, Pause, Query, Call } kind;
        std::shared_ptr<HidHandle> handle;
        Frame frame{};
        std::chrono::milliseconds pause{0};
        FrameTag tag{};
        std::function<void()> call;
    };

    void enqueue(Job job);
    void run();
    void runJob(Job& job);
    bool writeNumbered(HidHandle* handle, Frame& frame);
    bool readAnswer(HidHandle& handle, Frame& answer);
    void trace(char direction, const Frame& frame);

    DeviceMessageSink& sink_;
    Pause pause_;
    Trace trace_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    uint8_t sequence_ = 1; // touched under mutex_ only
    std::thread thread_;
};

} // namespace ferrox
