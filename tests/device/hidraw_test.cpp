// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// hidraw: report descriptors read as the Windows HID parser reads them, the logical interface
// list built from a sysfs-like fixture folder, and collection-filtered reads.

#include "device/hid/device_discovery.h"
#include "device/hid/hid_report_descriptor.h"
#include "device/hid/hidraw_backend.h"
#include "device/hid/hidraw_enumeration.h"
#include "device/hid/hidraw_handle.h"

#include "log_recorder.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

using test::Scratch;

const fs::path kFixture = fs::path(FERROX_TEST_DATA_DIR) / "hidraw";

std::vector<uint8_t> Descriptor(const std::string& node) {
    std::ifstream in(kFixture / "class" / node / "device" / "report_descriptor", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Tlc {
    uint16_t page, usage, input, output, feature;
};

bool operator==(const HidTopLevelCollection& c, const Tlc& t) {
    return c.usagePage == t.page && c.usage == t.usage && c.inputReportLength == t.input &&
           c.outputReportLength == t.output && c.featureReportLength == t.feature;
}

std::string Describe(const HidTopLevelCollection& c) {
    return std::to_string(c.usagePage) + "/" + std::to_string(c.usage) + " in " +
           std::to_string(c.inputReportLength) + " out " + std::to_string(c.outputReportLength) +
           " feature " + std::to_string(c.featureReportLength);
}

TEST(ReportDescriptor, CompositeMouseDescriptors) {
    struct Case {
        const char* node;
        std::vector<Tlc> expected;
    };
    const Case cases[] = {
        // Boot keyboard: modifiers, reserved byte, six keys; five LEDs padded to a byte.
        {"hidraw0", {{0x01, 0x06, 9, 2, 0}}},
        // Boot mouse without report IDs: 5 buttons + 3 padding bits + X, Y, wheel.
        {"hidraw1", {{0x01, 0x02, 5, 0, 0}}},
        // One interface: keyboard, consumer control, the 32-byte event and command collections.
        {"hidraw2",
         {{0x01, 0x06, 9, 2, 0},
          {0x0C, 0x01, 3, 0, 0},
          {0xFF00, 0x01, 33, 0, 0},
          {0xFF01, 0x02, 0, 0, 33}}},
        // Mouse with report ID and 16-bit axes, then the vendor collections.
        {"hidraw10", {{0x01, 0x02, 7, 0, 0}, {0xFF00, 0x01, 33, 0, 0}, {0xFF01, 0x02, 0, 0, 33}}},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseReportDescriptor(Descriptor(c.node));
        ASSERT_TRUE(parsed) << c.node;
        ASSERT_EQ(parsed->size(), c.expected.size()) << c.node;
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_TRUE((*parsed)[i] == c.expected[i])
                << c.node << " #" << i << ": " << Describe((*parsed)[i]);
    }
}

TEST(ReportDescriptor, LargestReportOfEachIdWinsAndIdsAreKept) {
    // Vendor page, feature ID 1 of 8 bytes and ID 2 of 32 bytes split over two main items;
    // input ID 3 of 4 bytes. A long item in between is skipped.
    const std::vector<uint8_t> d = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,       // vendor application
        0x75, 0x08, 0x85, 0x01, 0x95, 0x08, 0xB1, 0x02, // feature 1: 8 bytes
        0x85, 0x02, 0x95, 0x10, 0xB1, 0x02, 0xB1, 0x02, // feature 2: 16 + 16 bytes
        0xFE, 0x02, 0x10, 0xAA, 0xBB,                   // long item
        0x85, 0x03, 0x95, 0x04, 0x81, 0x02, 0xC0,       // input 3: 4 bytes
        0x0B, 0x02, 0x00, 0x0C, 0x00, 0xA1, 0x01, 0xC0, // usage 0x000C0002, empty
    };
    const auto parsed = ParseReportDescriptor(d);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 2u);
    EXPECT_EQ((*parsed)[0].featureReportLength, 33);
    EXPECT_EQ((*parsed)[0].inputReportLength, 5);
    EXPECT_EQ((*parsed)[0].inputReportIds, std::vector<uint8_t>{3});
    EXPECT_TRUE((*parsed)[1] == (Tlc{0x0C, 0x02, 0, 0, 0})) << Describe((*parsed)[1]);
}

TEST(ReportDescriptor, MalformedDescriptorsAreRefused) {
    const std::vector<std::vector<uint8_t>> cases = {
        {0x05, 0x01, 0x09, 0x02, 0xA1},       // truncated item
        {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01}, // collection never closed
        {0xC0},                               // end without collection
        {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, // report outside a collection
        {0xA1, 0x01, 0x85, 0x00, 0xC0},       // report ID 0
        {0xA1, 0x01, 0xB4, 0xC0},             // pop without push
        {0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0xC0},
        {0xFE, 0x05, 0x10, 0x01}, // long item cut short
    };
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_FALSE(ParseReportDescriptor(cases[i])) << "case " << i;
    EXPECT_FALSE(ParseReportDescriptor(Descriptor("hidraw3")));
}

// Descriptors come from devices: any bytes at all must parse or be refused, never crash.
TEST(ReportDescriptor, CutShortOrRandomBytesAreHandled) {
    const std::vector<uint8_t> real = Descriptor("hidraw2");
    for (size_t length = 0; length < real.size(); ++length) {
        const auto parsed = ParseReportDescriptor(std::span<const uint8_t>(real.data(), length));
        if (parsed) {
            EXPECT_LE(parsed->size(), 4u);
        }
    }
    std::mt19937 random(2024);
    for (int round = 0; round < 20000; ++round) {
        std::vector<uint8_t> bytes(random() % 64);
        for (uint8_t& b : bytes)
            b = uint8_t(random());
        if (const auto parsed = ParseReportDescriptor(bytes)) {
            for (const HidTopLevelCollection& c : *parsed) {
                EXPECT_LE(c.featureReportLength, 16385);
            }
        }
    }
}

TEST(HidrawEnumeration, OneInterfacePerCollectionInNodeOrder) {
    const auto list = EnumerateHidraw(kFixture / "class", "/dev");
    struct Row {
        std::wstring path;
        uint16_t product, input, feature;
    };
    // hidraw3's descriptor is cut short and "not-a-node" is no node: both are left out.
    const Row expected[] = {
        {L"/dev/hidraw0", 0x0001, 9, 0},        {L"/dev/hidraw1", 0x5B2E, 5, 0},
        {L"/dev/hidraw2#col1", 0x5B2E, 9, 0},   {L"/dev/hidraw2#col2", 0x5B2E, 3, 0},
        {L"/dev/hidraw2#col3", 0x5B2E, 33, 0},  {L"/dev/hidraw2#col4", 0x5B2E, 0, 33},
        {L"/dev/hidraw10#col1", 0x5B2F, 7, 0},  {L"/dev/hidraw10#col2", 0x5B2F, 33, 0},
        {L"/dev/hidraw10#col3", 0x5B2F, 0, 33},
    };
    ASSERT_EQ(list.size(), std::size(expected));
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].info.path, expected[i].path);
        EXPECT_EQ(list[i].info.productId, expected[i].product) << i;
        EXPECT_EQ(list[i].info.inputReportLength, expected[i].input) << i;
        EXPECT_EQ(list[i].info.featureReportLength, expected[i].feature) << i;
    }
    EXPECT_EQ(list[0].info.vendorId, 0x1209);
    EXPECT_EQ(list[4].node, fs::path("/dev/hidraw2"));
    EXPECT_EQ(list[4].inputReportIds, std::vector<uint8_t>{5});
}

TEST(HidrawEnumeration, UeventIds) {
    uint16_t vendor = 0, product = 0;
    EXPECT_TRUE(ParseHidIdFromUevent("DRIVER=x\nHID_ID=0003:0000248A:00005B2F\n", vendor, product));
    EXPECT_EQ(vendor, 0x248A);
    EXPECT_EQ(product, 0x5B2F);
    for (const char* bad : {"DRIVER=x\n", "HID_ID=0003:0000248A\n", "HID_ID=0003:000Z248A:1\n",
                            "HID_ID=0003:0001248A:00005B2F\n"})
        EXPECT_FALSE(ParseHidIdFromUevent(bad, vendor, product)) << bad;
}

TEST(HidrawDiscovery, SharedInterfaceIsAdoptedAndMissingNodesAreReported) {
    // Device nodes are stand-in files; one of them is missing as if it could not be opened.
    const fs::path dev = Scratch() / "hidraw-dev";
    fs::remove_all(dev);
    fs::copy(kFixture / "dev", dev);
    HidrawBackend backend(kFixture / "class", dev);
    DeviceDiscovery discovery(backend);
    discovery.ScanDevices();

    const DeviceLink& link = discovery.link();
    EXPECT_TRUE(link.wired.present);
    EXPECT_EQ(link.wired.commandIndex, 5);
    EXPECT_EQ(link.wired.commandPath, (dev / "hidraw2").wstring() + L"#col4");
    EXPECT_EQ(link.wired.eventIndex, 4);
    EXPECT_TRUE(link.receiver.present);
    EXPECT_EQ(link.receiver.commandIndex, 8);
    EXPECT_NE(link.wired.commandHandle, nullptr);

    fs::remove(dev / "hidraw10");
    test::LogRecorder log;
    discovery.ScanDevices();
    EXPECT_FALSE(discovery.link().receiver.present);
    // The user's bug report says why: the system's reason goes with the node's name.
    EXPECT_TRUE(log.has(LogLevel::Warning, LogCategory::Device,
                        "open " + (dev / "hidraw10").string() + ": No such file or directory"))
        << log.text();
    ASSERT_EQ(discovery.unopenable().size(), 2u);
    EXPECT_EQ(discovery.unopenable()[0].productId, kReceiverProductId);
}

class HidrawHandleTest : public ::testing::Test {
protected:
    // A datagram socket stands in for the node: each write is one report.
    std::unique_ptr<HidrawHandle> adopt(std::vector<uint8_t> ids) {
        int fds[2];
        EXPECT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds), 0);
        peer = fds[1];
        HidInterfaceInfo info{L"/dev/hidraw9#col3", kFerroxVendorId, kWiredProductId, 33, 33};
        return HidrawHandle::adopt(fds[0], info, std::move(ids));
    }
    void send(std::vector<uint8_t> report) {
        ASSERT_EQ(::write(peer, report.data(), report.size()), ssize_t(report.size()));
    }
    void TearDown() override {
        if (peer >= 0)
            ::close(peer);
    }
    int peer = -1;
};

TEST_F(HidrawHandleTest, ReadsOnlyItsOwnCollectionsReports) {
    auto handle = adopt({5});
    send({0x01, 0x00, 0x04}); // the keyboard collection's report on the same node
    send({0x05, 0x06, 0x02, 0x03});
    std::vector<uint8_t> buffer(33, 0xEE);
    ASSERT_EQ(handle->readInput(buffer), HidReadResult::Report);
    EXPECT_EQ(buffer[0], 0x05);
    EXPECT_EQ(buffer[3], 0x03);
    EXPECT_EQ(buffer[4], 0x00);
}

TEST_F(HidrawHandleTest, UnnumberedReportsGetAZeroId) {
    auto handle = adopt({0});
    send({0x01, 0x02});
    std::vector<uint8_t> buffer(5);
    ASSERT_EQ(handle->readInput(buffer), HidReadResult::Report);
    EXPECT_EQ(buffer, (std::vector<uint8_t>{0x00, 0x01, 0x02, 0x00, 0x00}));
}

TEST_F(HidrawHandleTest, InterruptAndHangUpEndTheRead) {
    auto handle = adopt({5});
    std::vector<uint8_t> buffer(33);
    handle->interruptRead();
    EXPECT_EQ(handle->readInput(buffer), HidReadResult::Interrupted);
    ::close(peer);
    peer = -1;
    EXPECT_EQ(handle->readInput(buffer), HidReadResult::Failed);
    // Feature reports of another length than the collection's are never sent.
    EXPECT_FALSE(handle->setFeature(std::vector<uint8_t>(32)));
}

TEST_F(HidrawHandleTest, TheDeviceLogCountsReportsAndKeepsTheReasonOfAFailure) {
    test::LogRecorder log;
    auto handle = adopt({5});
    send({0x05, 0x06, 0x02, 0x03});
    std::vector<uint8_t> buffer(33);
    ASSERT_EQ(handle->readInput(buffer), HidReadResult::Report);
    EXPECT_FALSE(handle->setFeature(std::vector<uint8_t>(33))); // a socket takes no ioctl
    handle.reset();
    EXPECT_TRUE(log.has(LogLevel::Debug, LogCategory::Device,
                        "set feature on /dev/hidraw9#col3: Inappropriate ioctl for device"))
        << log.text();
    EXPECT_TRUE(log.has(LogLevel::Debug, LogCategory::Device,
                        "close /dev/hidraw9#col3: 0 reports sent, 1 received"))
        << log.text();
}

} // namespace
} // namespace ferrox
