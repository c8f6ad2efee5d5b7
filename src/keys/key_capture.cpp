// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_capture.h"

#include <array>

namespace ferrox {
namespace {

// A run of consecutive evdev key codes mapped to consecutive virtual-key codes.
struct ScanCodeRun {
    unsigned char firstScan;
    unsigned char lastScan;
    unsigned char firstKey;
};

constexpr ScanCodeRun kScanCodeRuns[] = {
    {2, 10, 0x31},    // KEY_1..KEY_9
    {59, 68, 0x70},   // KEY_F1..KEY_F10
    {183, 194, 0x7C}, // KEY_F13..KEY_F24
};

struct ScanCodeRow {
    unsigned char scan;
    unsigned char key;
};

// Keys that Linux reports and that have no Windows virtual key take the codes agreed for them
// (0x0E, 0xF0..0xFB). Left out on purpose: the ISO "#" key, which Linux reports as the
// backslash key; Zenkaku/Hankaku, Katakana, Hiragana, keypad "=" and the Japanese keypad
// comma, which have no agreed code; media and browser keys, which the mouse cannot play.
// clang-format off
constexpr ScanCodeRow kScanCodes[] = {
    {1, 0x1B},   // ESC
    {11, 0x30},  // 0
    {12, 0xBD},  // MINUS
    {13, 0xBB},  // EQUAL
    {14, 0x08},  // BACKSPACE
    {15, 0x09},  // TAB
    {16, 'Q'}, {17, 'W'}, {18, 'E'}, {19, 'R'}, {20, 'T'},
    {21, 'Y'}, {22, 'U'}, {23, 'I'}, {24, 'O'}, {25, 'P'},
    {26, 0xDB},  // LEFTBRACE
    {27, 0xDD},  // RIGHTBRACE
    {28, 0x0D},  // ENTER
    {29, 0xA2},  // LEFTCTRL
    {30, 'A'}, {31, 'S'}, {32, 'D'}, {33, 'F'}, {34, 'G'},
    {35, 'H'}, {36, 'J'}, {37, 'K'}, {38, 'L'},
    {39, 0xBA},  // SEMICOLON
    {40, 0xDE},  // APOSTROPHE
    {41, 0xC0},  // GRAVE
    {42, 0xA0},  // LEFTSHIFT
    {43, 0xDC},  // BACKSLASH (also the ISO "#" key)
    {44, 'Z'}, {45, 'X'}, {46, 'C'}, {47, 'V'}, {48, 'B'}, {49, 'N'}, {50, 'M'},
    {51, 0xBC},  // COMMA
    {52, 0xBE},  // DOT
    {53, 0xBF},  // SLASH
    {54, 0xA1},  // RIGHTSHIFT
    {55, 0x6A},  // KPASTERISK
    {56, 0xA4},  // LEFTALT
    {57, 0x20},  // SPACE
    {58, 0x14},  // CAPSLOCK
    {69, 0x90},  // NUMLOCK
    {70, 0x91},  // SCROLLLOCK
    {71, 0x67}, {72, 0x68}, {73, 0x69}, // KP7..KP9
    {74, 0x6D},  // KPMINUS
    {75, 0x64}, {76, 0x65}, {77, 0x66}, // KP4..KP6
    {78, 0x6B},  // KPPLUS
    {79, 0x61}, {80, 0x62}, {81, 0x63}, // KP1..KP3
    {82, 0x60},  // KP0
    {83, 0x6E},  // KPDOT
    {86, 0xF3},  // 102ND: the ISO key beside left shift
    {87, 0x7A},  // F11
    {88, 0x7B},  // F12
    {89, 0xF5},  // RO: international 1
    {92, 0xF8},  // HENKAN: international 4
    {93, 0xF6},  // KATAKANAHIRAGANA: international 2
    {94, 0xF9},  // MUHENKAN: international 5
    {96, 0x0E},  // KPENTER
    {97, 0xA3},  // RIGHTCTRL
    {98, 0x6F},  // KPSLASH
    {99, 0x2C},  // SYSRQ: Print Screen
    {100, 0xA5}, // RIGHTALT
    {102, 0x24}, // HOME
    {103, 0x26}, // UP
    {104, 0x21}, // PAGEUP
    {105, 0x25}, // LEFT
    {106, 0x27}, // RIGHT
    {107, 0x23}, // END
    {108, 0x28}, // DOWN
    {109, 0x22}, // PAGEDOWN
    {110, 0x2D}, // INSERT
    {111, 0x2E}, // DELETE
    {116, 0xF0}, // POWER
    {119, 0x13}, // PAUSE
    {121, 0xF4}, // KPCOMMA
    {122, 0xFA}, // HANGEUL: LANG1
    {123, 0xFB}, // HANJA: LANG2
    {124, 0xF7}, // YEN: international 3
    {125, 0x5B}, // LEFTMETA
    {126, 0x5C}, // RIGHTMETA
    {127, 0x5D}, // COMPOSE: the menu key
    {138, 0x2F}, // HELP
    {142, 0x5F}, // SLEEP
    {143, 0xF1}, // WAKEUP
};
// clang-format on

constexpr std::array<std::uint8_t, 256> BuildScanCodeTable() {
    std::array<std::uint8_t, 256> table{};
    for (const ScanCodeRun& run : kScanCodeRuns)
        for (unsigned scan = run.firstScan; scan <= run.lastScan; ++scan)
            table[scan] = std::uint8_t(run.firstKey + (scan - run.firstScan));
    for (const ScanCodeRow& row : kScanCodes)
        table[row.scan] = row.key;
    return table;
}

constexpr std::array<std::uint8_t, 256> kScanCodeTable = BuildScanCodeTable();

} // namespace

std::uint8_t VirtualKeyFromScanCode(unsigned evdevCode) {
    return evdevCode < kScanCodeTable.size() ? kScanCodeTable[evdevCode] : 0;
}

} // namespace ferrox
