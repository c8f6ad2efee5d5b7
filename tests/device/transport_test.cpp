// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Frame layout, the worker's ordering, numbering, pauses, query retry and failure reports.

#include <gtest/gtest.h>

#include <thread>

#include "device/protocol/device_worker.h"
#include "device/protocol/frame.h"
#include "device/protocol_test_support.h"
#include "device/virtual/virtual_mouse_firmware.h"

namespace ferrox {
namespace {

using namespace std::chrono_literals;
using test::FirmwareHandle;
using test::PauseLog;

TEST(Frame, LayoutPadsWithZerosAndCutsLongPayloads) {
    const uint8_t payload[] = {0xAA, 0xBB, 0xCC};
    Frame f = BuildFrame(cmd::PowerSaving, payload);
    const Frame expected{0x0C, 0x01, 0x0B, 0x00, 0x00, 0x01, 0x03, 0xAA, 0xBB, 0xCC};
    EXPECT_EQ(f, expected);

    std::vector<uint8_t> longPayload(30, 0x11);
    Frame cut = BuildFrame(cmd::MacroChunk, longPayload, 0x12);
    EXPECT_EQ(cut[5], 0x12);
    EXPECT_EQ(cut[6], 26);
    EXPECT_EQ(cut[32], 0x11);
}

struct WorkerFixture : ::testing::Test, test::FirmwareOnWorker {

    std::vector<uint8_t> sequenceNumbers() {
        std::vector<uint8_t> out;
        for (const Frame& f : fw->frames()) {
            out.push_back(f[4]);
        }
        return out;
    }
};

TEST_F(WorkerFixture, FramesGoOutInQueueOrderWithTheirPauses) {
    const uint8_t one[] = {1};
    worker.send(handle, BuildFrame(cmd::ReportRate, one), 60ms);
    worker.pause(60ms);
    worker.send(handle, BuildFrame(cmd::Debounce, one), 60ms);
    worker.send(handle, BuildFrame(cmd::FactoryReset, one), 0ms);
    worker.waitIdle();

    auto frames = fw->frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0][2], cmd::ReportRate);
    EXPECT_EQ(frames[1][2], cmd::Debounce);
    EXPECT_EQ(frames[2][2], cmd::FactoryReset);
    EXPECT_EQ(pauses.take(), (std::vector<int>{60, 60, 60}));
}

TEST_F(WorkerFixture, SequenceRunsFromOneAndWrapsAfter255) {
    const uint8_t one[] = {1};
    for (int i = 0; i < 257; ++i) {
        worker.send(handle, BuildFrame(cmd::Debounce, one), 0ms);
    }
    worker.waitIdle();
    auto seq = sequenceNumbers();
    ASSERT_EQ(seq.size(), 257u);
    EXPECT_EQ(seq[0], 1);
    EXPECT_EQ(seq[254], 255);
    EXPECT_EQ(seq[255], 0);
    EXPECT_EQ(seq[256], 1);
}

TEST_F(WorkerFixture, QueryRetriesOnceOnEmptyAnswerNumberedInWireOrder) {
    const uint8_t one[] = {1};
    worker.send(handle, BuildFrame(cmd::Debounce, one), 60ms);
    fw->setEmptyAnswers(1);
    worker.query(handle, cmd::StatusQuery);
    worker.send(handle, BuildFrame(cmd::Debounce, one), 60ms);
    worker.waitIdle();

    EXPECT_EQ(sequenceNumbers(), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(pauses.take(), (std::vector<int>{60, 10, 10, 60}));
    auto messages = sink.takeAll();
    ASSERT_EQ(messages.size(), 1u);
    const auto* answer = std::get_if<AnswerMessage>(&messages[0]);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->frame[2], 0x20);
    EXPECT_EQ(answer->frame[8], 'T');
}

TEST_F(WorkerFixture, TwoEmptyAnswersGiveNothingAndNoThirdTry) {
    fw->setEmptyAnswers(2);
    worker.query(handle, cmd::StatusQuery);
    worker.waitIdle();
    EXPECT_EQ(fw->frames().size(), 2u);
    EXPECT_TRUE(sink.takeAll().empty());
}

TEST_F(WorkerFixture, FailedWriteIsReportedWithItsTag) {
    const uint8_t one[] = {1};
    fw->setFailWrites(true);
    worker.send(handle, BuildFrame(cmd::KeyFunction, one), 60ms, {ImageGroup::Key, 3});
    worker.query(handle, cmd::StatusQuery); // a failed query is silent
    worker.waitIdle();
    auto messages = sink.takeAll();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(std::get<WriteFailedMessage>(messages[0]).tag, (FrameTag{ImageGroup::Key, 3}));
}

TEST_F(WorkerFixture, TraceSeesWritesAndAnswersInOrder) {
    std::vector<std::pair<char, uint8_t>> seen;
    worker.setTrace([&](char dir, const Frame& f) { seen.emplace_back(dir, f[4]); });
    worker.query(handle, cmd::StatusQuery);
    worker.waitIdle();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair('>', uint8_t{1}));
    EXPECT_EQ(seen[1].first, '<');
}

TEST(PostingMessageSink, RunsTheHandlerOnlyWhereTheTaskIsRun) {
    std::vector<PostingMessageSink::Task> posted;
    std::vector<DeviceMessage> handled;
    PostingMessageSink sink([&](PostingMessageSink::Task t) { posted.push_back(std::move(t)); },
                            [&](const DeviceMessage& m) { handled.push_back(m); });
    std::thread([&] { sink.post(ReaderEndedMessage{DeviceKind::Receiver}); }).join();
    EXPECT_TRUE(handled.empty());
    ASSERT_EQ(posted.size(), 1u);
    posted[0]();
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_EQ(std::get<ReaderEndedMessage>(handled[0]).kind, DeviceKind::Receiver);
}

TEST(DeviceWorker, QueuingNeverWaitsAndDestructionSendsWhatIsQueued) {
    auto fw = std::make_shared<VirtualMouseFirmware>();
    auto handle = std::make_shared<FirmwareHandle>(fw);
    QueuedMessageSink sink;
    const uint8_t one[] = {1};
    {
        DeviceWorker worker(sink); // real pauses
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 3; ++i) {
            worker.send(handle, BuildFrame(cmd::Debounce, one), 60ms);
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, 30ms);
    }
    EXPECT_EQ(fw->frames().size(), 3u);
}

} // namespace
} // namespace ferrox
