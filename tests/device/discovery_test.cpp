// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Adoption rules and device notices, on the virtual mouse.

#include "device/hid/device_discovery.h"
#include "device/hid/virtual_hid_backend.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

struct HookLog {
    std::vector<DeviceKind> readersStarted;
    int statusTimerStarts = 0;
    int applies = 0;
};

class DiscoveryTest : public ::testing::Test {
protected:
    DiscoveryHooks hooks() {
        return {[this](DeviceKind k) { log.readersStarted.push_back(k); },
                [this] { ++log.statusTimerStarts; }, [this] { ++log.applies; }};
    }

    VirtualHidBackend mouse;
    HookLog log;
    DeviceDiscovery discovery{mouse, hooks()};
    DeviceLink& link = discovery.link();
};

TEST_F(DiscoveryTest, BothKindsAreAdoptedAndTheWiredMouseTakesTheCommands) {
    mouse.plug(DeviceKind::Wired);
    mouse.plug(DeviceKind::Receiver);
    discovery.ScanDevices();

    EXPECT_TRUE(link.anyPresent);
    for (DeviceKind kind : kAllDeviceKinds) {
        const DeviceLinkKind& k = link.of(kind);
        const std::wstring device = kind == DeviceKind::Wired ? L"wired" : L"receiver";
        EXPECT_TRUE(k.present);
        EXPECT_EQ(k.commandPath, L"virtual:" + device + L"/1");
        EXPECT_EQ(k.eventPath.get(), L"virtual:" + device + L"/2");
        ASSERT_NE(k.commandHandle, nullptr);
        EXPECT_EQ(k.commandHandle->info().productId, ProductIdOf(kind));
    }
    EXPECT_EQ(link.wired.commandIndex, 1);
    EXPECT_EQ(link.receiver.commandIndex, 5);
    EXPECT_EQ(link.activeCommandHandle(), link.wired.commandHandle.get());
    EXPECT_EQ(log.readersStarted, (std::vector{DeviceKind::Wired, DeviceKind::Receiver}));
    EXPECT_EQ(log.statusTimerStarts, 1);
    EXPECT_EQ(log.applies, 1);
}

TEST_F(DiscoveryTest, ReceiverAloneTakesTheCommandsAndWiredFieldsStayEmpty) {
    mouse.plug(DeviceKind::Receiver);
    discovery.ScanDevices();

    EXPECT_TRUE(link.receiver.present);
    EXPECT_FALSE(link.wired.present);
    EXPECT_TRUE(link.wired.commandPath.empty());
    EXPECT_TRUE(link.wired.eventPath.empty());
    EXPECT_EQ(link.wired.commandHandle, nullptr);
    EXPECT_EQ(link.activeCommandHandle(), link.receiver.commandHandle.get());
    EXPECT_EQ(log.readersStarted, std::vector{DeviceKind::Receiver});
}

TEST_F(DiscoveryTest, NoDeviceStartsNothingButStillSchedulesTheApply) {
    discovery.ScanDevices();
    EXPECT_FALSE(link.anyPresent);
    EXPECT_EQ(link.activeCommandHandle(), nullptr);
    EXPECT_TRUE(log.readersStarted.empty());
    EXPECT_EQ(log.statusTimerStarts, 0);
    EXPECT_EQ(log.applies, 1);
}

TEST_F(DiscoveryTest, UnchangedRescanKeepsTheOpenHandle) {
    mouse.plug(DeviceKind::Wired);
    discovery.ScanDevices();
    const HidHandle* before = link.wired.commandHandle.get();
    discovery.ScanDevices();
    EXPECT_TRUE(link.wired.present);
    EXPECT_EQ(link.wired.commandHandle.get(), before);
}

TEST_F(DiscoveryTest, UnpluggingTheWiredMouseFallsBackToTheReceiver) {
    mouse.plug(DeviceKind::Wired);
    mouse.plug(DeviceKind::Receiver);
    discovery.ScanDevices();

    mouse.unplug(DeviceKind::Wired);
    const DeviceChangeOutcome outcome = discovery.OnDeviceChange(HidChange::Removal);

    EXPECT_TRUE(outcome.rescanned);
    EXPECT_FALSE(outcome.lastDeviceGone);
    EXPECT_FALSE(link.wired.present);
    EXPECT_EQ(link.wired.commandHandle, nullptr);
    EXPECT_TRUE(link.wired.commandPath.empty());
    EXPECT_TRUE(link.anyPresent);
    ASSERT_NE(link.activeCommandHandle(), nullptr);
    EXPECT_EQ(link.activeCommandHandle()->info().productId, kReceiverProductId);
}

TEST_F(DiscoveryTest, UnpluggingTheOnlyDeviceEndsTheConnection) {
    mouse.plug(DeviceKind::Receiver);
    discovery.ScanDevices();
    link.queryOnConnect = false; // as after the start-up status query

    mouse.unplug(DeviceKind::Receiver);
    const DeviceChangeOutcome outcome = discovery.OnDeviceChange(HidChange::Removal);

    EXPECT_TRUE(outcome.lastDeviceGone);
    EXPECT_FALSE(link.anyPresent);
    EXPECT_TRUE(link.queryOnConnect);
    EXPECT_EQ(link.activeCommandHandle(), nullptr);
}

TEST_F(DiscoveryTest, NoticesThatCannotChangeAnythingAreIgnored) {
    // A removal with nothing connected, and an arrival while both kinds are connected.
    EXPECT_FALSE(discovery.OnDeviceChange(HidChange::Removal).rescanned);
    mouse.plug(DeviceKind::Wired);
    mouse.plug(DeviceKind::Receiver);
    discovery.ScanDevices();
    const HidHandle* before = link.wired.commandHandle.get();
    mouse.plugUnrelated();

    const DeviceChangeOutcome outcome = discovery.OnDeviceChange(HidChange::Arrival);
    EXPECT_FALSE(outcome.rescanned);
    EXPECT_FALSE(outcome.queryStatusNow);
    EXPECT_EQ(log.applies, 1);
    EXPECT_EQ(link.wired.commandHandle.get(), before);
}

TEST_F(DiscoveryTest, FirstArrivalAsksForOneStatusQuery) {
    EXPECT_TRUE(discovery.OnDeviceChange(HidChange::Arrival).rescanned);
    EXPECT_FALSE(link.anyPresent);
    EXPECT_TRUE(link.queryOnConnect);

    mouse.plug(DeviceKind::Receiver);
    EXPECT_TRUE(discovery.OnDeviceChange(HidChange::Arrival).queryStatusNow);
    mouse.plug(DeviceKind::Wired);
    const DeviceChangeOutcome second = discovery.OnDeviceChange(HidChange::Arrival);
    EXPECT_TRUE(second.rescanned);
    EXPECT_FALSE(second.queryStatusNow);
    EXPECT_TRUE(link.wired.present);
}

TEST_F(DiscoveryTest, InterfacesWithOtherReportLengthsAreNotAdopted) {
    struct Case {
        VirtualPlugOptions options;
        bool eventAdopted;
    };
    const Case cases[] = {
        {{VirtualLayout::WrongLengths, false}, false},
        // 33-byte input and feature in one collection: an event interface, never a command one.
        {{VirtualLayout::SharedCollection, false}, true},
        // Present but not accessible: skipped, and reported for ferroxctl.
        {{VirtualLayout::Standard, true}, false},
    };
    for (const Case& c : cases) {
        VirtualHidBackend backend;
        backend.plug(DeviceKind::Wired, nullptr, c.options);
        DeviceDiscovery d(backend);
        d.ScanDevices();
        EXPECT_FALSE(d.link().anyPresent);
        EXPECT_TRUE(d.link().wired.commandPath.empty());
        EXPECT_EQ(!d.link().wired.eventPath.empty(), c.eventAdopted);
        EXPECT_EQ(d.unopenable().size(), c.options.accessDenied ? 2u : 0u);
    }
}

TEST_F(DiscoveryTest, CommandInterfaceMovedInTheNumberingIsReopenedAtItsNewIndex) {
    mouse.plug(DeviceKind::Receiver);
    mouse.plug(DeviceKind::Wired);
    discovery.ScanDevices();
    ASSERT_EQ(link.wired.commandIndex, 5);
    link.wired.commandHandle.reset(); // as after an open that failed

    mouse.unplug(DeviceKind::Receiver); // the wired interfaces move down by four
    discovery.OnDeviceChange(HidChange::Removal);

    EXPECT_EQ(link.wired.commandIndex, 1);
    ASSERT_NE(link.wired.commandHandle, nullptr);
    EXPECT_EQ(link.wired.commandHandle->info().path, link.wired.commandPath);
}

TEST_F(DiscoveryTest, OpenCommandHandleRefusesAnotherProductsInterface) {
    mouse.plug(DeviceKind::Wired);
    mouse.plug(DeviceKind::Receiver);
    discovery.ScanDevices();
    link.wired.commandIndex = link.receiver.commandIndex; // the numbering changed

    discovery.OpenCommandHandle(DeviceKind::Wired);
    EXPECT_EQ(link.wired.commandHandle, nullptr);

    link.wired.commandIndex = 1000; // gone: the handle is left as it is
    discovery.OpenCommandHandle(DeviceKind::Wired);
    EXPECT_EQ(link.wired.commandHandle, nullptr);
}

// Member indexes above 99 are never looked at.
class ListBackend : public HidBackend {
public:
    std::vector<HidInterfaceInfo> list;
    VirtualHidBackend opener;
    std::vector<HidInterfaceInfo> enumerate() override { return list; }
    std::unique_ptr<HidHandle> open(const std::wstring& path) override { return opener.open(path); }
};

TEST(DiscoveryLimits, InterfacesBeyondNumber99AreNeverSeen) {
    for (const size_t padding : {98u, 99u}) {
        ListBackend backend;
        backend.opener.plug(DeviceKind::Wired);
        backend.list.assign(padding, HidInterfaceInfo{L"other", 0x1209, 1, 8, 0});
        for (const auto& info : backend.opener.enumerate())
            backend.list.push_back(info); // the command interface lands at padding + 1
        DeviceDiscovery d(backend);
        d.ScanDevices();
        EXPECT_EQ(d.link().wired.present, padding + 1 <= 99) << padding;
    }
}

TEST(DiscoveryStart, RegisterForDeviceNotificationsResetsTheConnectionState) {
    VirtualHidBackend mouse;
    mouse.plug(DeviceKind::Wired);
    DeviceDiscovery d(mouse);
    d.ScanDevices();
    d.link().wired.readerActive = true;
    d.link().queryOnConnect = false;

    d.RegisterForDeviceNotifications();
    EXPECT_FALSE(d.link().wired.readerActive);
    EXPECT_EQ(d.link().wired.commandHandle, nullptr);
    EXPECT_TRUE(d.link().queryOnConnect);
    EXPECT_TRUE(d.takeQueryOnConnect());
    EXPECT_FALSE(d.takeQueryOnConnect());
}

} // namespace
} // namespace ferrox
