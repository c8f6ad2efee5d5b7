// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual mouse's firmware: frame checks, state, macro reassembly, notices, state files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "device/virtual/virtual_mouse_firmware.h"

namespace ferrox {
namespace {

bool write(VirtualMouseFirmware& fw, uint8_t command, std::vector<uint8_t> payload,
           uint8_t byte5 = 0x01) {
    return fw.onSetFeature(BuildFrame(command, payload, byte5));
}

TEST(VirtualMouseFirmware, IgnoresMalformedFramesButRecordsThem) {
    VirtualMouseFirmware fw;
    Frame badId = BuildFrame(cmd::ReportRate, std::vector<uint8_t>{0x01});
    badId[0] = 0x0D;
    Frame badByte1 = BuildFrame(cmd::ReportRate, std::vector<uint8_t>{0x01});
    badByte1[1] = 0x00;
    Frame tooLong = BuildFrame(cmd::ReportRate, std::vector<uint8_t>{0x01});
    tooLong[6] = 27;
    for (const Frame& f : {badId, badByte1, tooLong}) {
        EXPECT_TRUE(fw.onSetFeature(f));
    }
    const uint8_t shortReport[] = {0x0C, 0x01, 0x07};
    EXPECT_TRUE(fw.onSetFeature(shortReport));
    EXPECT_EQ(fw.state().rateCode, 0x02);
    EXPECT_EQ(fw.frames().size(), 4u);
}

TEST(VirtualMouseFirmware, AppliesSettingCommands) {
    VirtualMouseFirmware fw;
    write(fw, cmd::KeyFunction, {3, 0x70, 0x01, 0x06});
    write(fw, cmd::ReportRate, {0x01});
    write(fw, cmd::Lighting, {0x03, 0x22, 0xFF, 0x00, 0xFF});
    write(fw, cmd::PowerSaving, {10, 1});
    write(fw, cmd::MotionWakeup, {0});
    auto s = fw.state();
    EXPECT_EQ(s.keys[3], (std::array<uint8_t, 3>{0x70, 0x01, 0x06}));
    EXPECT_EQ(s.rateCode, 0x01);
    EXPECT_EQ(s.lighting, (std::vector<uint8_t>{0x03, 0x22, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(s.power, (std::array<uint8_t, 2>{10, 1}));
    EXPECT_EQ(s.motionWakeup, 0);

    write(fw, cmd::FactoryReset, {0xFF});
    s = fw.state();
    EXPECT_EQ(s.rateCode, 0x02);
    EXPECT_EQ(s.keys[3], (std::array<uint8_t, 3>{0x10, 0x08, 0x00}));
    EXPECT_EQ(s.factoryResets, 1u);
}

TEST(VirtualMouseFirmware, ReassemblesMacrosFromRunsOfChunks) {
    VirtualMouseFirmware fw;
    // 17 chunks for slot 2: the 4-bit index and count repeat, arrival order decides.
    std::vector<uint8_t> expected;
    for (int i = 0; i < 17; ++i) {
        std::vector<uint8_t> payload{0x02};
        for (int b = 0; b < 25; ++b) {
            payload.push_back(static_cast<uint8_t>(i * 25 + b));
        }
        expected.insert(expected.end(), payload.begin() + 1, payload.end());
        write(fw, cmd::MacroChunk, payload, static_cast<uint8_t>((i << 4) | (17 & 0x0F)));
    }
    EXPECT_EQ(fw.state().macros[2], expected);

    // A new run for the same slot replaces it; an empty macro is one chunk of length 1.
    write(fw, cmd::ReportRate, {0x01});
    write(fw, cmd::MacroChunk, {0x02, 0xAA, 0xBB, 0xCC});
    write(fw, cmd::MacroChunk, {0x03});
    EXPECT_EQ(fw.state().macros[2], (std::vector<uint8_t>{0xAA, 0xBB, 0xCC}));
    EXPECT_TRUE(fw.state().macros[3].empty());
}

TEST(VirtualMouseFirmware, ChunkOneStartsAfreshAndChunksOutOfOrderAreIgnored) {
    VirtualMouseFirmware fw;
    // A full upload straight followed by an empty one for the same slot: the mouse is wiped.
    write(fw, cmd::MacroChunk, {0x01, 0x30, 0x00, 0x04});
    write(fw, cmd::MacroChunk, {0x01});
    EXPECT_TRUE(fw.state().macros[1].empty());

    // Two chunks announced; a stray chunk 3 and a chunk 2 before chunk 1 change nothing.
    write(fw, cmd::MacroChunk, {0x02, 0xAA}, 0x12);
    EXPECT_TRUE(fw.state().macros[2].empty());
    write(fw, cmd::MacroChunk, {0x02, 0x01, 0x02}, 0x02);
    write(fw, cmd::MacroChunk, {0x02, 0x09}, 0x22);
    write(fw, cmd::MacroChunk, {0x02, 0x03}, 0x12);
    EXPECT_EQ(fw.state().macros[2], (std::vector<uint8_t>{0x01, 0x02, 0x03}));

    // Sixteen chunks end an upload whose index wrapped to 0; the next chunk 1 starts anew.
    for (int i = 0; i < 16; ++i) {
        write(fw, cmd::MacroChunk, {0x04, static_cast<uint8_t>(i)},
              static_cast<uint8_t>((i << 4) | 0x00));
    }
    EXPECT_EQ(fw.state().macros[4].size(), 16u);
    write(fw, cmd::MacroChunk, {0x04, 0xEE});
    EXPECT_EQ(fw.state().macros[4], (std::vector<uint8_t>{0xEE}));
}

TEST(VirtualMouseFirmware, DpiButtonCyclesEnabledLevelsAndSendsTheNotice) {
    VirtualMouseFirmware fw;
    std::vector<std::vector<uint8_t>> sent;
    fw.setInputSink([&](std::vector<uint8_t> r) { sent.push_back(std::move(r)); });
    std::vector<uint8_t> dpi(18, 0);
    dpi[0] = 0x33; // three levels, the third of them (level 7) active, counted from 1
    dpi[1] = 0x85; // levels 0, 2, 7
    write(fw, cmd::DpiLevels, dpi);
    fw.pressDpiButton();
    fw.pressDpiButton();
    fw.changeReportRate(0x08);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0][4], 1); // level 0, the first enabled one
    EXPECT_EQ(sent[1][4], 2); // level 2
    EXPECT_EQ(sent[2][3], 0x08);
    EXPECT_EQ(sent[0][0], 0x05);
    EXPECT_EQ(sent[0][1], 0x06);
}

TEST(VirtualMouseFirmware, AnswersTheStatusQuery) {
    VirtualMouseFirmware fw;
    write(fw, cmd::StatusQuery, {});
    Frame answer = PreparedAnswerBuffer();
    ASSERT_TRUE(fw.onGetFeature(answer));
    EXPECT_EQ(answer[2], 0x20);
    EXPECT_EQ(answer[3], 0x00);
    EXPECT_NE(answer[6], 0);
    EXPECT_EQ(std::string(answer.begin() + 8, answer.begin() + 12), "T7Q5");
    EXPECT_EQ(answer[15], 0x25);
    EXPECT_EQ(answer[18], 80);
    EXPECT_EQ(answer[19], 0);
    EXPECT_EQ(answer[21], 1);
}

TEST(VirtualMouseFirmware, UnplugMidwayFailsEveryLaterWrite) {
    VirtualMouseFirmware fw;
    bool unplugged = false;
    fw.unplugAfter(2, [&] { unplugged = true; });
    EXPECT_TRUE(write(fw, cmd::ReportRate, {0x01}));
    EXPECT_TRUE(write(fw, cmd::Debounce, {4}));
    EXPECT_FALSE(write(fw, cmd::Debounce, {8}));
    EXPECT_FALSE(write(fw, cmd::Debounce, {8}));
    EXPECT_TRUE(unplugged);
    EXPECT_EQ(fw.state().debounce, 4);
    fw.replug();
    EXPECT_TRUE(write(fw, cmd::Debounce, {8}));
}

TEST(VirtualMouseFirmware, StateSurvivesAFileAndBadFilesAreRefused) {
    const char* base = std::getenv("FERROX_DATA_DIR");
    const auto dir = std::filesystem::path(base ? base : "/tmp") / "vm-state-test";
    std::filesystem::create_directories(dir);
    VirtualMouseFirmware fw;
    write(fw, cmd::ReportRate, {0x01});
    write(fw, cmd::MacroChunk, {0x01, 0x30, 0x00, 0x04});
    fw.setBattery(55, 1);
    FileProblem problem;
    ASSERT_TRUE(fw.saveState(dir / "mouse.state", problem));

    using Load = VirtualMouseFirmware::StateLoad;
    VirtualMouseFirmware other;
    ASSERT_EQ(other.loadState(dir / "mouse.state", problem), Load::Loaded);
    EXPECT_EQ(other.state().serialize(), fw.state().serialize());

    for (const char* text :
         {"", "something else\n", "ferrox-virtual-mouse 1\nrate 0102\n",
          "ferrox-virtual-mouse 1\ndpi 01\n", "ferrox-virtual-mouse 1\nmacro99 01\n"}) {
        std::ofstream(dir / "bad.state", std::ios::trunc) << text;
        VirtualMouseFirmware fresh;
        EXPECT_EQ(fresh.loadState(dir / "bad.state", problem), Load::NotAState) << text;
        EXPECT_EQ(fresh.state().serialize(), VirtualMouseState::Defaults().serialize());
    }
    EXPECT_EQ(other.loadState(dir / "missing.state", problem), Load::Missing);
    std::filesystem::create_directory(dir / "folder.state");
    EXPECT_EQ(other.loadState(dir / "folder.state", problem), Load::Unreadable);
    EXPECT_EQ(StateFileFault(dir / "folder.state", Load::Unreadable, problem),
              (dir / "folder.state").string() + " could not be read: it is a folder, not a regular file");
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ferrox
