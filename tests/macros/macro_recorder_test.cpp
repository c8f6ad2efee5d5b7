// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_recorder.h"

#include "keys/key_capture.h"

#include <gtest/gtest.h>

#include <vector>

namespace ferrox {
namespace {

constexpr unsigned kA = 0x41, kB = 0x42, kEnter = 0x0D, kEscape = 0x1B;

MacroAction Down(unsigned code) {
    return MacroAction::MakeKey(std::uint8_t(code), false);
}
MacroAction Up(unsigned code) {
    return MacroAction::MakeKey(std::uint8_t(code), true);
}
MacroAction Wait(std::uint32_t ms) {
    return MacroAction::MakeDelay(ms);
}

std::vector<MacroAction> Actions(const MacroKey& macro) {
    return {macro.actions.begin(), macro.actions.begin() + macro.MacroActionNum};
}

class MacroRecording : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(recorder.start(&macro)); }

    RecordResult press(unsigned code, std::uint32_t ms, bool delays = true) {
        return recorder.onKeyEvent(code, KeyEventWord(false, ms), delays);
    }
    RecordResult release(unsigned code, std::uint32_t ms, bool delays = true) {
        return recorder.onKeyEvent(code, KeyEventWord(true, ms), delays);
    }
    // Fills the macro with alternating presses and releases of A, 10 ms apart.
    void recordEvents(int count) {
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(recorder.onKeyEvent(kA, KeyEventWord(i % 2 == 1, 1000 + 10 * i), true),
                      RecordResult::Recorded)
                << "event " << i;
    }

    MacroKey macro{L"m"};
    MacroRecorder recorder;
};

TEST_F(MacroRecording, AHeldKeyGivesOnePressAndOneRelease) {
    EXPECT_EQ(press(kA, 1000), RecordResult::Recorded);
    EXPECT_EQ(press(kA, 1500), RecordResult::Ignored);
    EXPECT_EQ(press(kA, 1530), RecordResult::Ignored);
    EXPECT_EQ(release(kA, 1800), RecordResult::Recorded);
    // The pause is measured from the press that was recorded, not from its repeats.
    EXPECT_EQ(Actions(macro), (std::vector{Down(kA), Wait(800), Up(kA)}));
    EXPECT_EQ(macro.MacroCommandActionNum, 2);
}

TEST_F(MacroRecording, TheSameKeyTwiceEnterEscapeAndALoneRelease) {
    EXPECT_EQ(release(kB, 0, false), RecordResult::Recorded) << "pressed before the start";
    for (unsigned code : {kA, kA, kEnter, kEscape}) {
        EXPECT_EQ(press(code, 0, false), RecordResult::Recorded);
        EXPECT_EQ(release(code, 0, false), RecordResult::Recorded);
    }
    EXPECT_EQ(Actions(macro), (std::vector{Up(kB), Down(kA), Up(kA), Down(kA), Up(kA),
                                           Down(kEnter), Up(kEnter), Down(kEscape),
                                           Up(kEscape)}));
    EXPECT_EQ(macro.MacroCommandActionNum, 9);
}

TEST_F(MacroRecording, MouseCodesAreIgnoredAndLeaveTheRepeatFilterAlone) {
    EXPECT_EQ(press(kA, 0), RecordResult::Recorded);
    for (unsigned code : {0u, 1u, 7u, 0x101u})
        EXPECT_EQ(press(code, 5), RecordResult::Ignored) << code;
    EXPECT_EQ(press(kA, 9), RecordResult::Ignored) << "still a repeat of the recorded press";
    EXPECT_EQ(Actions(macro), (std::vector{Down(kA)}));
}

struct DelayCase {
    std::uint32_t first, second, expected;
};

TEST(MacroRecordingDelays, GapsAreCappedAndSurviveTheClocksWrap) {
    const DelayCase cases[] = {
        {1000, 1000, 0},           {1000, 5095, 4095},
        {1000, 5096, 4095},        {1000, 900000, 4095},
        {0x7FFFFFF0, 0x10, 0x20},  {0x7FFFFFFF, 4094, 4095},
        {0x7FFFFFFF, 4095, 4095},  {0x7FFFF000, 0x7FFFFFFF, 4095},
    };
    for (const DelayCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " -> " << c.second);
        MacroKey macro(L"m");
        MacroRecorder recorder;
        ASSERT_TRUE(recorder.start(&macro));
        recorder.onKeyEvent(kA, KeyEventWord(false, c.first), true);
        recorder.onKeyEvent(kA, KeyEventWord(true, c.second), true);
        EXPECT_EQ(Actions(macro), (std::vector{Down(kA), Wait(c.expected), Up(kA)}));
    }
}

TEST_F(MacroRecording, DelaysFollowTheBoxAtTheTimeOfEachEvent) {
    press(kA, 100, false);
    release(kA, 200, false);
    press(kB, 350, true);
    release(kB, 400, true);
    EXPECT_EQ(Actions(macro), (std::vector{Down(kA), Up(kA), Wait(150), Down(kB), Wait(50),
                                           Up(kB)}));
    EXPECT_EQ(macro.MacroCommandActionNum, 4) << "recorded delays cost no command";
}

TEST_F(MacroRecording, AnInsertBeforeTheFirstKeystrokeGetsNoFalseDelay) {
    // What the manager does for a hand-inserted delay and click while recording.
    ASSERT_TRUE(macro.InsertAction(0, MacroDefaultInsertedDelay));
    ASSERT_TRUE(macro.InsertAction(1, Down(0xE0)));
    ASSERT_TRUE(macro.InsertAction(2, Up(0xE0)));
    macro.MacroCommandActionNum = 2;

    press(kA, 90000);
    release(kA, 90040);
    EXPECT_EQ(Actions(macro), (std::vector{MacroDefaultInsertedDelay, Down(0xE0), Up(0xE0),
                                           Down(kA), Wait(40), Up(kA)}));
    EXPECT_EQ(macro.MacroCommandActionNum, 4);
}

TEST_F(MacroRecording, The169thEventEndsTheRecordingAndIsNotKept) {
    recordEvents(168);
    EXPECT_EQ(macro.MacroActionNum, 168u + 167u);
    EXPECT_EQ(macro.MacroCommandActionNum, 168);
    const MacroKey before = macro;

    EXPECT_EQ(press(kB, 9000), RecordResult::LimitReached);
    EXPECT_EQ(macro, before);
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(release(kB, 9010), RecordResult::Ignored) << "events still queued after the stop";
    EXPECT_EQ(macro, before);
}

TEST_F(MacroRecording, AFullMacroEndsTheRecordingWithoutAStrayDelay) {
    // Hand-inserted short delays fill slots without adding commands.
    for (std::uint32_t i = 0; i < 334; ++i)
        ASSERT_TRUE(macro.InsertAction(i, MacroDefaultInsertedDelay));
    press(kA, 0);
    ASSERT_EQ(macro.MacroActionNum, 335u);

    EXPECT_EQ(release(kA, 10, true), RecordResult::LimitReached) << "delay and key need two";
    EXPECT_EQ(macro.MacroActionNum, 335u);
    EXPECT_EQ(macro.MacroCommandActionNum, 1);

    ASSERT_TRUE(recorder.start(&macro));
    for (std::uint32_t i = 0; i < 335; ++i)
        ASSERT_TRUE(macro.InsertAction(i, MacroDefaultInsertedDelay));
    EXPECT_EQ(press(kA, 0, false), RecordResult::Recorded);
    EXPECT_EQ(release(kA, 10, false), RecordResult::LimitReached);
    EXPECT_EQ(macro.MacroActionNum, 336u);
}

TEST(MacroRecorderLife, StartDiscardsTheOldActionsAndIdleRecordsNothing) {
    MacroRecorder recorder;
    MacroKey macro(L"m");
    EXPECT_EQ(recorder.onKeyEvent(kA, 0, true), RecordResult::Ignored);
    EXPECT_FALSE(recorder.start(nullptr));
    EXPECT_FALSE(recorder.isRecording());

    ASSERT_TRUE(macro.InsertAction(0, Down(kB)));
    macro.MacroCommandActionNum = 1;
    ASSERT_TRUE(recorder.start(&macro));
    EXPECT_EQ(macro.MacroActionNum, 0u);
    EXPECT_EQ(macro.MacroCommandActionNum, 0);
    EXPECT_EQ(macro.actions[0], MacroAction{}) << "no old action is left to pile up";
    EXPECT_EQ(recorder.onKeyEvent(kA, KeyEventWord(false, 0), false), RecordResult::Recorded);
    EXPECT_EQ(macro.actions[1], MacroAction{}) << "the old press was not shifted along";

    recorder.stop();
    recorder.stop();
    EXPECT_EQ(recorder.onKeyEvent(kB, 0, true), RecordResult::Ignored);
    EXPECT_EQ(macro.MacroActionNum, 1u);
}

} // namespace
} // namespace ferrox
