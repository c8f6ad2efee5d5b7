// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_capture.h"
#include "keys/key_codes.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

struct ScanCase {
    unsigned evdev;
    std::uint8_t key;
};

// Sided modifiers, keys whose virtual key depends on nothing but the position, the agreed
// extra codes, and the ends of every run.
constexpr ScanCase kScanCases[] = {
    {42, 0xA0},  {54, 0xA1},  {29, 0xA2},  {97, 0xA3},  {56, 0xA4},  {100, 0xA5},
    {125, 0x5B}, {126, 0x5C}, {127, 0x5D}, {96, 0x0E},  {28, 0x0D},  {1, 0x1B},
    {2, 0x31},   {10, 0x39},  {11, 0x30},  {16, 'Q'},   {30, 'A'},   {44, 'Z'},
    {50, 'M'},   {59, 0x70},  {68, 0x79},  {87, 0x7A},  {88, 0x7B},  {183, 0x7C},
    {194, 0x87}, {71, 0x67},  {82, 0x60},  {83, 0x6E},  {98, 0x6F},  {99, 0x2C},
    {119, 0x13}, {86, 0xF3},  {121, 0xF4}, {89, 0xF5},  {93, 0xF6},  {124, 0xF7},
    {92, 0xF8},  {94, 0xF9},  {122, 0xFA}, {123, 0xFB}, {116, 0xF0}, {143, 0xF1},
    {142, 0x5F}, {43, 0xDC},  {41, 0xC0},
};

TEST(KeyCapture, ScanCodesBecomePositionalVirtualKeys) {
    for (const ScanCase& c : kScanCases) {
        SCOPED_TRACE(c.evdev);
        EXPECT_EQ(VirtualKeyFromScanCode(c.evdev), c.key);
    }
}

TEST(KeyCapture, UnknownScanCodesGiveNoKey) {
    for (unsigned evdev : {0u, 84u, 113u, 114u, 115u, 195u, 255u, 256u, 0x10041u, ~0u})
        EXPECT_EQ(VirtualKeyFromScanCode(evdev), 0) << evdev;
}

TEST(KeyCapture, EveryCapturedKeyIsAKeyboardCodeOfTheMacroModel) {
    // Below 8 a macro reads a delay; 0xE0..0xE7 are its mouse actions.
    for (unsigned evdev = 0; evdev < 300; ++evdev) {
        const std::uint8_t key = VirtualKeyFromScanCode(evdev);
        if (key == 0)
            continue;
        SCOPED_TRACE(evdev);
        EXPECT_GE(key, 8);
        EXPECT_FALSE(key >= 0xE0 && key <= 0xE7);
    }
    // The keys the mouse can play all arrive with a usage.
    for (unsigned evdev : {30u, 2u, 57u, 96u, 42u, 125u, 86u, 122u})
        EXPECT_NE(KeyUsage(VirtualKeyFromScanCode(evdev)), 0) << evdev;
}

TEST(KeyCapture, EventWordCarriesReleaseAndTimeAcrossTheWrap) {
    const std::uint32_t press = KeyEventWord(false, 0xFFFFFFF5u); // the clock's bit 31 is dropped
    const std::uint32_t release = KeyEventWord(true, 0x10);
    EXPECT_FALSE(KeyEventIsRelease(press));
    EXPECT_TRUE(KeyEventIsRelease(release));
    EXPECT_EQ(KeyEventTime(press), 0x7FFFFFF5u);
    EXPECT_EQ(KeyEventTime(release), 0x10u);
    EXPECT_EQ(KeyEventGap(press, release), 0x1Bu);
    EXPECT_EQ(KeyEventGap(release, KeyEventWord(false, 0x20)), 0x10u);
}

} // namespace
} // namespace ferrox
