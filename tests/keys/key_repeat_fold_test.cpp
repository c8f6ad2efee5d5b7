// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_repeat_fold.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace ferrox {
namespace {

constexpr std::uint8_t kX = 'X', kY = 'Y';

// One step of a script: a keystroke at a time, or the hold-back timer firing then.
struct Step {
    std::uint32_t at;
    std::uint8_t key; // 0: the timer fires
    bool release = false;
};
constexpr Step Press(std::uint32_t at, std::uint8_t key) { return {at, key, false}; }
constexpr Step Release(std::uint32_t at, std::uint8_t key) { return {at, key, true}; }
constexpr Step Timer(std::uint32_t at) { return {at, 0}; }

CapturedKey Down(std::uint8_t key, std::uint32_t at) { return {key, KeyEventWord(false, at)}; }
CapturedKey Up(std::uint8_t key, std::uint32_t at) { return {key, KeyEventWord(true, at)}; }

struct Script {
    const char* what;
    std::vector<Step> steps;
    std::vector<CapturedKey> out;
};

std::vector<CapturedKey> Fold(const std::vector<Step>& steps) {
    std::uint32_t now = 0;
    KeyRepeatFold fold([&now] { return now; });
    std::vector<CapturedKey> out;
    const CapturedKeySink sink = [&out](const CapturedKey& k) { out.push_back(k); };
    for (const Step& step : steps) {
        now = step.at;
        if (step.key)
            fold.Take(step.key, step.release, sink);
        else
            fold.Expire(sink);
    }
    return out;
}

// A key held for 1.5 s on a server that repeats it as release/press pairs: the repeat delay,
// then a pair every 40 ms, with the press at the same or the next millisecond.
std::vector<Step> HeldOnAPlainServer() {
    std::vector<Step> steps{Press(1000, kX)};
    for (std::uint32_t at = 1660; at < 2500; at += 40) {
        steps.push_back(Release(at, kX));
        steps.push_back(Press(at + (at / 40) % 2, kX));
    }
    steps.push_back(Release(2500, kX));
    steps.push_back(Timer(2505));
    return steps;
}

TEST(KeyRepeatFold, FoldsOnlyAReleaseAndPressOfOneKeyWithinTheHoldBack) {
    const Script scripts[] = {
        {"a held key", HeldOnAPlainServer(), {Down(kX, 1000), Up(kX, 2500)}},
        {"the same key typed twice, 10 ms apart",
         {Press(0, kX), Release(50, kX), Press(60, kX), Release(90, kX), Timer(95)},
         {Down(kX, 0), Up(kX, 50), Down(kX, 60), Up(kX, 90)}},
        {"a press 5 ms after the release is still a repeat",
         {Press(0, kX), Release(50, kX), Press(55, kX), Release(90, kX), Timer(100)},
         {Down(kX, 0), Up(kX, 90)}},
        {"another key right after a release",
         {Press(0, kX), Release(50, kX), Press(50, kY), Release(51, kY), Timer(60)},
         {Down(kX, 0), Up(kX, 50), Down(kY, 50), Up(kY, 51)}},
        {"two releases in a row",
         {Press(0, kX), Press(1, kY), Release(20, kX), Release(21, kY), Timer(30)},
         {Down(kX, 0), Down(kY, 1), Up(kX, 20), Up(kY, 21)}},
        {"a timer that fires early waits for the rest",
         {Press(0, kX), Release(50, kX), Timer(53), Press(54, kX), Release(80, kX), Timer(85)},
         {Down(kX, 0), Up(kX, 80)}},
        {"the timer lets the release go with its own time",
         {Press(0, kX), Release(50, kX), Timer(57), Press(58, kX)},
         {Down(kX, 0), Up(kX, 50), Down(kX, 58)}},
    };
    for (const Script& s : scripts) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(Fold(s.steps), s.out);
    }
}

TEST(KeyRepeatFold, ExpireSaysHowLongToWaitAndFlushEndsTheWait) {
    std::uint32_t now = 0x7FFFFFFE; // the clock wraps meanwhile
    KeyRepeatFold fold([&now] { return now; });
    std::vector<CapturedKey> out;
    const CapturedKeySink sink = [&out](const CapturedKey& k) { out.push_back(k); };

    EXPECT_EQ(fold.Expire(sink), std::nullopt) << "nothing held";
    fold.Take(kX, true, sink);
    EXPECT_TRUE(fold.Holding());
    now += 2;
    EXPECT_EQ(fold.Expire(sink), std::optional<std::uint32_t>(3));
    EXPECT_TRUE(out.empty());
    fold.Flush(sink);
    EXPECT_FALSE(fold.Holding());
    EXPECT_EQ(out, std::vector<CapturedKey>{Up(kX, 0x7FFFFFFE)});
    fold.Flush(sink);
    EXPECT_EQ(out.size(), 1u);
}

} // namespace
} // namespace ferrox
