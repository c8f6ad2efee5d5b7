// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Byte-exact frames of every command group, their pauses, and what is left unsent.

#include <gtest/gtest.h>

#include "device/protocol/command_set.h"
#include "device/protocol_test_support.h"
#include "device/virtual/virtual_mouse_firmware.h"

namespace ferrox {
namespace {

using test::FirmwareHandle;
using test::PauseLog;

Frame F(std::initializer_list<uint8_t> head) {
    Frame f{};
    std::copy(head.begin(), head.end(), f.begin());
    return f;
}

struct CommandSetFixture : ::testing::Test, test::FirmwareOnWorker {
    bool connected = true;
    CommandSet commands{worker, [this] { return connected ? handle : nullptr; }};
    ProfileSettings profile;
    DpiStepTable steps = *MakeDpiStepTable(0x3325);
    MacroLibrary library;

    CommandSetFixture() {
        SensorId = 0x3325;
        ResetProfile(profile, 0);
        commands.SetShadows(profile, steps);
    }

    std::vector<Frame> sent() {
        worker.waitIdle();
        auto frames = fw->frames();
        fw->clearFrames();
        for (Frame& f : frames) {
            f[4] = 0; // sequence numbers are checked on their own
        }
        return frames;
    }

    MacroKey& addMacro(const std::wstring& name) {
        MacroLocation where;
        EXPECT_EQ(library.AddMacro(name, where), MacroAddResult::Added);
        return *library.NodeAt(where)->macro;
    }
    void assignMacro(int slot, const MacroKey& macro) {
        profile.keys[slot].Assign(L"m", MakeFunction(FunctionCategory::Macro), &macro);
    }
};

TEST_F(CommandSetFixture, KeyPositionsThreeAndFourAreSwapped) {
    profile.keys[3].function = MakeFunction(FunctionCategory::KeyCombo, 0x01, 0x06);
    commands.SendKeyTable(profile);
    EXPECT_EQ(sent(),
              (std::vector<Frame>{F({0x0C, 0x01, 0x04, 0, 0, 0x01, 4, 4, 0x70, 0x01, 0x06})}));
    EXPECT_EQ(pauses.take(), std::vector<int>(7, 60));

    profile.keys[4].function = DisabledFunction;
    commands.SendKeyTable(profile);
    EXPECT_EQ(sent(), (std::vector<Frame>{F({0x0C, 0x01, 0x04, 0, 0, 0x01, 4, 3, 0, 0, 0})}));
    EXPECT_TRUE(commands.sentFlag());

    commands.clearSentFlag();
    commands.SendKeyTable(profile); // nothing changed: no frame, still seven pauses
    EXPECT_TRUE(sent().empty());
    EXPECT_FALSE(commands.sentFlag());
    EXPECT_EQ(pauses.take().size(), 14u);
}

TEST_F(CommandSetFixture, MainSettingsGoOutInOrderWithTheirPayloads) {
    profile.dpiEnableMask = 0x85;
    profile.currentDpiLevel = 2;
    profile.dpiColour[7] = ColourFromHex(0x123456);
    profile.reportRate.rate = 3;
    SetProfileNumber(profile, ProfileKey::LiftDetectionHeight, 1);
    SetProfileNumber(profile, ProfileKey::KeyDebounce, 4);
    profile.lighting.mode = 3;
    commands.SendMainSettings(profile, steps);

    auto frames = sent();
    ASSERT_EQ(frames.size(), 6u);
    // Steps 10, 22, 30, 46, 52, 58 of the 0x3325 table have codes 11, 23, 31, 47, 53, 59.
    EXPECT_EQ(frames[0], F({0x0C, 0x01, 0x05, 0, 0,  0x01, 18, 0x33, 0x85, 11, 0,
                            23,   0,    31,   0, 47, 0,    53, 0,    59,   0}));
    EXPECT_EQ(frames[1][2], 0x06);
    EXPECT_EQ(frames[1][6], 24);
    EXPECT_EQ(std::vector<uint8_t>(frames[1].begin() + 7, frames[1].begin() + 10),
              (std::vector<uint8_t>{0xFF, 0x00, 0x00}));
    EXPECT_EQ(std::vector<uint8_t>(frames[1].begin() + 28, frames[1].begin() + 31),
              (std::vector<uint8_t>{0x12, 0x34, 0x56}));
    EXPECT_EQ(frames[2], F({0x0C, 0x01, 0x07, 0, 0, 0x01, 1, 0x01}));
    EXPECT_EQ(frames[3], F({0x0C, 0x01, 0x09, 0, 0, 0x01, 2, 1, 0}));
    EXPECT_EQ(frames[4], F({0x0C, 0x01, 0x0A, 0, 0, 0x01, 1, 4}));
    // Mode 3: brightness 3 and speed 1 give 0x42, then colour slot 0 (FF00FF).
    EXPECT_EQ(frames[5], F({0x0C, 0x01, 0x08, 0, 0, 0x01, 5, 3, 0x42, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(pauses.take(), std::vector<int>(6, 60));
}

TEST_F(CommandSetFixture, LightingSendsOnlyWhatTheActiveModeUses) {
    profile.lighting.speed[5] = 4; // mode 1 is active
    commands.SendMainSettings(profile, steps);
    EXPECT_TRUE(sent().empty());

    profile.lighting.mode = 2;
    profile.lighting.colour[2][1] = 0; // in use but black: left out
    commands.SendMainSettings(profile, steps);
    auto frames = sent();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0][6], 3 + 3 * 6);
    EXPECT_EQ(frames[0][9], 6);
    EXPECT_EQ(std::vector<uint8_t>(frames[0].begin() + 10, frames[0].begin() + 16),
              (std::vector<uint8_t>{0xFF, 0, 0, 0, 0, 0xFF}));

    profile.lighting.colour[2][1] = ColourFromHex(0x00FF00); // all seven: 24 bytes
    commands.SendMainSettings(profile, steps);
    frames = sent();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0][6], 24);
    EXPECT_EQ(frames[0][30], 0xFF); // blue of white, the last byte of the payload
    EXPECT_EQ(frames[0][31], 0x00);

    profile.lighting.mode = 7; // byte 2 keeps slot 0's red byte
    profile.lighting.colour[7][0] = ColourFromHex(0x7F1020);
    commands.SendMainSettings(profile, steps);
    frames = sent();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0][6], 23);
    EXPECT_EQ(std::vector<uint8_t>(frames[0].begin() + 9, frames[0].begin() + 15),
              (std::vector<uint8_t>{0x7F, 0x10, 0x20, 0xFA, 0x00, 0x6A}));
    commands.SetShadows(profile, steps);
    commands.SendMainSettings(profile, steps);
    EXPECT_TRUE(sent().empty());

    profile.lighting.mode = 12; // no such mode: an empty lighting command
    commands.SendMainSettings(profile, steps);
    EXPECT_EQ(sent(), (std::vector<Frame>{F({0x0C, 0x01, 0x08, 0, 0, 0x01, 0})}));
}

TEST_F(CommandSetFixture, PowerAndWakeupFrames) {
    SetProfileNumber(profile, ProfileKey::PowerDownTime, 10);
    SetProfileNumber(profile, ProfileKey::MotionWakeup, 0);
    commands.SendPowerSettings(profile);
    commands.SendMotionWakeup(profile);
    commands.SendPowerSettings(profile);
    EXPECT_EQ(sent(), (std::vector<Frame>{F({0x0C, 0x01, 0x0B, 0, 0, 0x01, 2, 10, 0}),
                                          F({0x0C, 0x01, 0x0C, 0, 0, 0x01, 1, 0})}));
}

TEST_F(CommandSetFixture, MacroChunksForEmptyNineAndFullMacros) {
    struct Case {
        int commands;
        std::vector<uint8_t> byte5;
        std::vector<uint8_t> lengths;
    };
    const Case cases[] = {
        {0, {0x01}, {1}},
        {9, {0x02, 0x12}, {26, 3}},
        {168, {}, {}}, // 504 bytes: 21 chunks, header fields wrap past 15
    };
    for (const Case& c : cases) {
        MacroKey macro(L"m");
        for (int i = 0; i < c.commands; ++i) {
            ASSERT_TRUE(
                macro.InsertAction(macro.MacroActionNum, MacroAction::MakeKey(0x41, i % 2)));
        }
        macro.MacroCommandActionNum = static_cast<uint8_t>(c.commands);
        const MacroImage image = BuildMacroImage(macro, 1);
        auto chunks = BuildMacroChunks(image, 1);
        if (c.commands == 168) {
            ASSERT_EQ(chunks.size(), 21u);
            EXPECT_EQ(chunks[16][5], 0x05); // index 16 wraps to 0, count 21 to 5
            EXPECT_EQ(chunks[20][5], 0x45);
            EXPECT_EQ(chunks[20][6], 5);
            std::vector<uint8_t> data;
            for (const Frame& f : chunks) {
                data.insert(data.end(), f.begin() + 8, f.begin() + 7 + f[6]);
            }
            EXPECT_TRUE(std::equal(data.begin(), data.end(), image.begin() + 4));
            EXPECT_EQ(data.size(), 504u);
            continue;
        }
        ASSERT_EQ(chunks.size(), c.byte5.size()) << c.commands;
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            EXPECT_EQ(chunks[i][2], 0x0E);
            EXPECT_EQ(chunks[i][5], c.byte5[i]);
            EXPECT_EQ(chunks[i][6], c.lengths[i]);
            EXPECT_EQ(chunks[i][7], 1);
            for (std::size_t b = 7u + chunks[i][6]; b < kFrameSize; ++b) {
                EXPECT_EQ(chunks[i][b], 0) << "bytes past the payload are zero";
            }
        }
    }
}

TEST_F(CommandSetFixture, MacroCommandsFoldDelaysAndMapDeviceCodes) {
    MacroKey macro(L"m");
    const MacroAction actions[] = {
        MacroAction::MakeKey(0x41, false),
        MacroAction::MakeDelay(5000), // capped to 4095
        MacroAction::MakeDelay(70),   // after a delay: dropped
        MacroAction::MakeKey(0x41, true),
        MacroAction::MakeDelay(300),
        MacroAction::MakeKey(0xA0, false), // left shift: modifier bit 0x02
        MacroAction::MakeKey(0xE1, true),  // right mouse button, released
        {0xE5, 0, 0, 0xFB},                // move left 5
        {0xE7, 0, 0, 0x02},                // wheel down 2
        MacroAction::MakeKey(0xFB, false), // LANG2, usage 0x91: a keyboard key
    };
    for (const MacroAction& a : actions) {
        ASSERT_TRUE(macro.InsertAction(macro.MacroActionNum, a));
    }
    macro.MacroCommandActionNum = 7;
    const MacroImage image = BuildMacroImage(macro, 2);
    const std::vector<uint8_t> expected{0x09, 0x90, 0x02, 7, //
                                        0x3F, 0xFF, 0x04,    // A down, 4095 ms
                                        0xB1, 0x2C, 0x04,    // A up, 300 ms
                                        0x20, 0x00, 0x02,    // left shift down
                                        0x90, 0x00, 0x02,    // right button up
                                        0x40, 0x00, 0xFB,    // move x -5
                                        0x60, 0x00, 0x02,    // wheel 2
                                        0x30, 0x00, 0x91,    // LANG2
                                        0x00};
    EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.begin() + expected.size()), expected);
}

TEST_F(CommandSetFixture, SharedMacroTakesOneSlotAndIsUploadedOnce) {
    MacroKey& a = addMacro(L"a");
    a.MacroKeyLoopType = MacroLoopType::Counted;
    a.MacroKeyLoopNum = 5;
    MacroKey& b = addMacro(L"b");
    b.MacroKeyLoopType = MacroLoopType::Mode4;
    assignMacro(1, b);
    assignMacro(2, a);
    assignMacro(5, b);
    profile.keys[6].Assign(L"gone", MakeFunction(FunctionCategory::Macro), nullptr);
    profile.keys[6].macroKeyIndex = 999;

    commands.AllocateMacroSlots(profile, library);
    EXPECT_EQ(profile.keys[1].function, MakeFunction(FunctionCategory::Macro, 0x41, 0));
    EXPECT_EQ(profile.keys[2].function, MakeFunction(FunctionCategory::Macro, 0x22, 5));
    EXPECT_EQ(profile.keys[5].function, profile.keys[1].function);
    EXPECT_EQ(profile.keys[6].function, DisabledFunction);

    commands.UploadMacros(profile, true);
    auto frames = sent();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0][7], 1);
    EXPECT_EQ(frames[1][7], 2);
    // A chunk per upload, and a pause per macro key whether its macro went out or not.
    EXPECT_EQ(pauses.take(), std::vector<int>(5, 60));

    commands.UploadMacros(profile, true);
    EXPECT_TRUE(sent().empty());
}

TEST_F(CommandSetFixture, NothingIsQueuedOrRecordedWithoutAHandle) {
    connected = false;
    profile.reportRate.rate = 0;
    profile.keys[0].function = MakeFunction(FunctionCategory::MouseButton, 0x01, 0x07);
    commands.SendMainSettings(profile, steps);
    commands.SendKeyTable(profile);
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(pauses.take().empty());

    connected = true;
    commands.SendMainSettings(profile, steps);
    commands.SendKeyTable(profile);
    auto frames = sent();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0][2], 0x07);
    EXPECT_EQ(frames[1][2], 0x04);
}

TEST_F(CommandSetFixture, FailedWritesAreSentAgainAfterReconnection) {
    MacroKey& m = addMacro(L"m");
    assignMacro(0, m);
    profile.keys[1].function = MakeFunction(FunctionCategory::MouseButton, 0x01);
    commands.AllocateMacroSlots(profile, library);
    profile.reportRate.rate = 0;
    SetProfileNumber(profile, ProfileKey::PowerDownTime, 3);

    fw->unplugAfter(0);
    commands.SendKeyTable(profile);
    commands.SendMainSettings(profile, steps);
    commands.SendPowerSettings(profile);
    commands.UploadMacros(profile, true);
    worker.waitIdle();
    for (const DeviceMessage& m : sink.takeAll()) {
        commands.OnWriteFailed(std::get<WriteFailedMessage>(m).tag);
    }
    fw->replug();
    sent();

    commands.SendKeyTable(profile);
    commands.SendMainSettings(profile, steps);
    commands.SendPowerSettings(profile);
    commands.UploadMacros(profile, true);
    auto frames = sent();
    std::vector<uint8_t> codes;
    for (const Frame& f : frames) {
        codes.push_back(f[2]);
    }
    EXPECT_EQ(codes, (std::vector<uint8_t>{0x04, 0x04, 0x07, 0x0B, 0x0E}));
    EXPECT_EQ(fw->state().keys[0][0], 0x90);
}

TEST_F(CommandSetFixture, SequenceNumbersRunAcrossCommands) {
    profile.reportRate.rate = 0;
    commands.SendMainSettings(profile, steps);
    commands.QueryStatus();
    profile.keys[2].function = DisabledFunction;
    commands.SendKeyTable(profile);
    commands.FactoryReset();
    worker.waitIdle();
    std::vector<uint8_t> seq;
    for (const Frame& f : fw->frames()) {
        seq.push_back(f[4]);
    }
    EXPECT_EQ(seq, (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(fw->frames()[3], (F({0x0C, 0x01, 0x0F, 0, 4, 0x01, 1, 0xFF})));
    EXPECT_EQ(pauses.take().back(), 60) << "no pause after the factory reset";
}

} // namespace
} // namespace ferrox
