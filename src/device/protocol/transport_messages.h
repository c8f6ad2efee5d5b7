// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the device worker and the reader threads hand back to the thread that owns the
// protocol state (the main window's thread, or ferroxctl's only thread). They never touch
// that state themselves: they post a message, and the owner acts on it in its own time.

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <variant>
#include <vector>

#include "device/hid/device_kind.h"
#include "device/protocol/frame.h"

namespace ferrox {

// Which image a frame was built from, so that a failed write can mark exactly that image
// as not held by the mouse.
enum class ImageGroup : uint8_t {
    None,
    Key,
    Dpi,
    DpiColour,
    ReportRate,
    LiftHeight,
    Debounce,
    Lighting,
    Power,
    Wakeup,
    Macro,
};

struct FrameTag {
    ImageGroup group = ImageGroup::None;
    uint8_t index = 0; // device key position or device macro slot
    bool operator==(const FrameTag&) const = default;
};

// An answer to a query with a non-empty payload.
struct AnswerMessage {
    Frame frame;
};
// A write the device refused (unplugged, broken).
struct WriteFailedMessage {
    FrameTag tag;
};
// Input report 05 06 from the mouse: its report-rate code and its 1-based DPI level.
struct DeviceEventMessage {
    DeviceKind kind;
    uint8_t rateCode;
    uint8_t level;
};
// A reader thread has ended (read failed or stopped); its kind may be started again.
struct ReaderEndedMessage {
    DeviceKind kind;
};

using DeviceMessage =
    std::variant<AnswerMessage, WriteFailedMessage, DeviceEventMessage, ReaderEndedMessage>;

// Called from the worker and reader threads; an implementation must only queue the message
// for its owner's thread (the window posts an event, ferroxctl and tests use the queue below).
class DeviceMessageSink {
public:
    virtual ~DeviceMessageSink() = default;
    virtual void post(DeviceMessage message) = 0;
};

// Hands each message to the owner as a task it posts to its own thread: the window passes a
// function that posts the task as an event (dropped if the window is gone by then).
class PostingMessageSink : public DeviceMessageSink {
public:
    using Task = std::function<void()>;
    using Post = std::function<void(Task)>;
    using Handle = std::function<void(const DeviceMessage&)>;
    PostingMessageSink(Post post, Handle handle)
        : post_(std::move(post)), handle_(std::move(handle)) {}
    void post(DeviceMessage message) override {
        post_([handle = handle_, message = std::move(message)] { handle(message); });
    }

private:
    Post post_;
    Handle handle_;
};

// A thread-safe queue the owner drains when it likes.
class QueuedMessageSink : public DeviceMessageSink {
public:
    void post(DeviceMessage message) override;
    std::vector<DeviceMessage> takeAll();

private:
    std::mutex mutex_;
    std::deque<DeviceMessage> queue_;
};

} // namespace ferrox
