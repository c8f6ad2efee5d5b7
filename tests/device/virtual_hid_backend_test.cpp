// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual mouse at the HID level: routing to the firmware, input delivery, unplugging.

#include "device/hid/virtual_hid_backend.h"

#include <gtest/gtest.h>

#include <thread>

namespace ferrox {
namespace {

class RecordingFirmware : public VirtualFirmware {
public:
    std::vector<std::vector<uint8_t>> written;
    InputSink sink;
    bool onSetFeature(std::span<const uint8_t> report) override {
        written.emplace_back(report.begin(), report.end());
        return true;
    }
    bool onGetFeature(std::span<uint8_t> report) override {
        report[1] = 0x42;
        return true;
    }
    void setInputSink(InputSink s) override { sink = std::move(s); }
};

std::vector<uint8_t> Report(uint8_t id, size_t length = kDeviceReportLength) {
    std::vector<uint8_t> r(length, 0);
    r[0] = id;
    return r;
}

struct Plugged {
    VirtualHidBackend mouse;
    std::shared_ptr<RecordingFirmware> firmware = std::make_shared<RecordingFirmware>();
    std::vector<HidChange> changes;
    Plugged() {
        mouse.setChangeListener([this](HidChange c) { changes.push_back(c); });
        mouse.plug(DeviceKind::Wired, firmware);
    }
    std::unique_ptr<HidHandle> open(int index) { return mouse.open(mouse.enumerate()[index].path); }
};

TEST(VirtualHidBackend, EnumeratesEachKindWithItsIdsAndLengths) {
    VirtualHidBackend mouse;
    mouse.plug(DeviceKind::Receiver);
    mouse.plug(DeviceKind::Wired);
    const auto list = mouse.enumerate();
    ASSERT_EQ(list.size(), 8u);
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].vendorId, kFerroxVendorId);
        EXPECT_EQ(list[i].productId, i < 4 ? kReceiverProductId : kWiredProductId);
    }
    EXPECT_EQ(list[1].featureReportLength, 33);
    EXPECT_EQ(list[2].inputReportLength, 33);
    EXPECT_EQ(list[5].featureReportLength, 33);
    EXPECT_EQ(list[6].inputReportLength, 33);
    EXPECT_TRUE(mouse.isPlugged(DeviceKind::Wired));
    mouse.unplug(DeviceKind::Receiver);
    EXPECT_FALSE(mouse.isPlugged(DeviceKind::Receiver));
    EXPECT_EQ(mouse.enumerate().size(), 4u);
}

TEST(VirtualHidBackend, CommandInterfaceRoutesFeatureReportsToTheFirmware) {
    Plugged p;
    auto command = p.open(1);
    auto event = p.open(2);
    ASSERT_TRUE(command && event);

    EXPECT_TRUE(command->setFeature(Report(0x0C)));
    EXPECT_FALSE(command->setFeature(Report(0x0C, 32))); // not the collection's length
    EXPECT_FALSE(event->setFeature(Report(0x0C)));       // the event interface has no feature
    std::vector<uint8_t> answer = Report(0x0C);
    EXPECT_TRUE(command->getFeature(answer));
    EXPECT_EQ(answer[1], 0x42);
    ASSERT_EQ(p.firmware->written.size(), 1u);
    EXPECT_EQ(p.firmware->written[0], Report(0x0C));
}

TEST(VirtualHidBackend, FirmwareInputReachesEveryOpenEventHandle) {
    Plugged p;
    auto first = p.open(2);
    auto second = p.open(2);
    std::vector<uint8_t> notice = Report(0x05);
    notice[1] = 0x06;
    p.firmware->sink(notice);

    for (auto* handle : {first.get(), second.get()}) {
        std::vector<uint8_t> buffer(33, 0xEE);
        ASSERT_EQ(handle->readInput(buffer), HidReadResult::Report);
        EXPECT_EQ(buffer, notice);
    }
}

TEST(VirtualHidBackend, BlockedReadEndsOnInterruptAndOnUnplug) {
    Plugged p;
    auto event = p.open(2);
    std::vector<uint8_t> buffer(33);

    HidReadResult result = HidReadResult::Report;
    std::thread reader([&] { result = event->readInput(buffer); });
    event->interruptRead();
    reader.join();
    EXPECT_EQ(result, HidReadResult::Interrupted);

    reader = std::thread([&] { result = event->readInput(buffer); });
    p.mouse.unplug(DeviceKind::Wired);
    reader.join();
    EXPECT_EQ(result, HidReadResult::Failed);

    // Afterwards the old handles fail and the firmware no longer has a sink.
    EXPECT_FALSE(p.firmware->sink);
    EXPECT_EQ(event->readInput(buffer), HidReadResult::Failed);
    EXPECT_EQ(p.changes, (std::vector{HidChange::Arrival, HidChange::Removal}));
}

TEST(VirtualHidBackend, UnpluggedCommandHandleFailsAndReplugComesBack) {
    Plugged p;
    auto command = p.open(1);
    p.mouse.unplug(DeviceKind::Wired);
    EXPECT_FALSE(command->setFeature(Report(0x0C)));
    EXPECT_EQ(p.mouse.open(L"virtual:wired/1"), nullptr);

    p.mouse.plug(DeviceKind::Wired, p.firmware);
    auto again = p.open(1);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->setFeature(Report(0x0C)));
    EXPECT_TRUE(p.firmware->sink);
}

} // namespace
} // namespace ferrox
