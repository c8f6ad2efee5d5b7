// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reader threads: only 05 06 is handed over, one reader per kind, clean ends.

#include <gtest/gtest.h>

#include <thread>

#include "device/protocol_test_support.h"
#include "device/protocol/reader_thread.h"

namespace ferrox {
namespace {

using test::ScriptedEventHandle;

// Waits (bounded) until the sink holds n messages; readers run on their own threads.
std::vector<DeviceMessage> waitFor(QueuedMessageSink& sink, std::size_t n) {
    std::vector<DeviceMessage> got;
    for (int i = 0; i < 2000 && got.size() < n; ++i) {
        auto more = sink.takeAll();
        got.insert(got.end(), more.begin(), more.end());
        if (got.size() < n) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    return got;
}

TEST(ReaderThreads, HandsOverOnlyTheNoticeAndEndsWhenTheReadFails) {
    QueuedMessageSink sink;
    ReaderThreads readers(sink);
    std::vector<std::vector<uint8_t>> traced; // every report read, recognised or not
    readers.setTrace([&](std::span<const uint8_t> r) { traced.emplace_back(r.begin(), r.end()); });
    auto owned = std::make_unique<ScriptedEventHandle>();
    ScriptedEventHandle* events = owned.get();
    ASSERT_TRUE(readers.start(DeviceKind::Wired, std::move(owned)));
    EXPECT_TRUE(readers.isActive(DeviceKind::Wired));
    EXPECT_FALSE(readers.start(DeviceKind::Wired, std::make_unique<ScriptedEventHandle>()));

    events->push({0x05, 0x07, 0x00, 0x04, 0x02});
    events->push({0x06, 0x05, 0x00, 0x04, 0x02});
    events->push({0x05, 0x06, 0x00, 0x04, 0x03});
    events->fail();

    auto got = waitFor(sink, 2);
    ASSERT_EQ(got.size(), 2u);
    const auto& event = std::get<DeviceEventMessage>(got[0]);
    EXPECT_EQ(event.kind, DeviceKind::Wired);
    EXPECT_EQ(event.rateCode, 0x04);
    EXPECT_EQ(event.level, 0x03);
    EXPECT_EQ(std::get<ReaderEndedMessage>(got[1]).kind, DeviceKind::Wired);
    EXPECT_FALSE(readers.isActive(DeviceKind::Wired));
    ASSERT_EQ(traced.size(), 3u);
    EXPECT_EQ(traced[1][0], 0x06);
    EXPECT_EQ(traced[2][4], 0x03);

    // The kind may be started again after its reader ended.
    EXPECT_TRUE(readers.start(DeviceKind::Wired, std::make_unique<ScriptedEventHandle>()));
}

TEST(ReaderThreads, StopWakesABlockedReader) {
    QueuedMessageSink sink;
    ReaderThreads readers(sink);
    ASSERT_TRUE(readers.start(DeviceKind::Receiver, std::make_unique<ScriptedEventHandle>()));
    ASSERT_TRUE(readers.start(DeviceKind::Wired, std::make_unique<ScriptedEventHandle>()));
    readers.stop(DeviceKind::Receiver);
    EXPECT_FALSE(readers.isActive(DeviceKind::Receiver));
    EXPECT_TRUE(readers.isActive(DeviceKind::Wired));
    // The destructor stops the wired one; the test ends only if it does.
}

} // namespace
} // namespace ferrox
