// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_names.h"

#include <utility>

namespace ferrox {
namespace {

struct KeyNameRow {
    unsigned char code;
    std::wstring_view name;
};

// clang-format off
constexpr KeyNameRow kKeyNames[] = {
    {0x01, L"LBUTTON"}, {0x02, L"RBUTTON"}, {0x03, L"CANCEL"}, {0x04, L"MBUTTON"},
    {0x05, L"XBUTTON1"}, {0x06, L"XBUTTON2"}, {0x08, L"Backspace"}, {0x09, L"Tab"},
    {0x0C, L"Clear"}, {0x0D, L"Enter"}, {0x10, L"Shift"}, {0x11, L"Ctrl"}, {0x12, L"Alt"},
    {0x13, L"Pause"}, {0x14, L"CapsLock"}, {0x15, L"Kana"}, {0x17, L"junja"}, {0x18, L"Final"},
    {0x19, L"Hanja"}, {0x1B, L"Esc"}, {0x1C, L"Convert"}, {0x1D, L"Nonconvert"},
    {0x1E, L"Accept"}, {0x1F, L"ModeChange"}, {0x20, L"Space"}, {0x21, L"Page Up"},
    {0x22, L"Page Down"}, {0x23, L"End"}, {0x24, L"Home"}, {0x25, L"Left Arrow"},
    {0x26, L"Up Arrow"}, {0x27, L"Right Arrow"}, {0x28, L"Down Arrow"}, {0x29, L"Select"},
    {0x2A, L"Print"}, {0x2B, L"Execute"}, {0x2C, L"Print Screen"}, {0x2D, L"Ins"},
    {0x2E, L"Del"}, {0x2F, L"Help"},
    {0x30, L"0"}, {0x31, L"1"}, {0x32, L"2"}, {0x33, L"3"}, {0x34, L"4"},
    {0x35, L"5"}, {0x36, L"6"}, {0x37, L"7"}, {0x38, L"8"}, {0x39, L"9"},
    {0x41, L"A"}, {0x42, L"B"}, {0x43, L"C"}, {0x44, L"D"}, {0x45, L"E"}, {0x46, L"F"},
    {0x47, L"G"}, {0x48, L"H"}, {0x49, L"I"}, {0x4A, L"J"}, {0x4B, L"K"}, {0x4C, L"L"},
    {0x4D, L"M"}, {0x4E, L"N"}, {0x4F, L"O"}, {0x50, L"P"}, {0x51, L"Q"}, {0x52, L"R"},
    {0x53, L"S"}, {0x54, L"T"}, {0x55, L"U"}, {0x56, L"V"}, {0x57, L"W"}, {0x58, L"X"},
    {0x59, L"Y"}, {0x5A, L"Z"},
    {0x5B, L"Win_L"}, {0x5C, L"Win_R"}, {0x5D, L"App"}, {0x5F, L"Sleep"},
    {0x60, L"Num0"}, {0x61, L"Num1"}, {0x62, L"Num2"}, {0x63, L"Num3"}, {0x64, L"Num4"},
    {0x65, L"Num5"}, {0x66, L"Num6"}, {0x67, L"Num7"}, {0x68, L"Num8"}, {0x69, L"Num9"},
    {0x6A, L"Multiply"}, {0x6B, L"Add"}, {0x6C, L"Separator"}, {0x6D, L"Subtract"},
    {0x6E, L"Decimal"}, {0x6F, L"Divide"},
    {0x70, L"F1"}, {0x71, L"F2"}, {0x72, L"F3"}, {0x73, L"F4"}, {0x74, L"F5"}, {0x75, L"F6"},
    {0x76, L"F7"}, {0x77, L"F8"}, {0x78, L"F9"}, {0x79, L"F10"}, {0x7A, L"F11"},
    {0x7B, L"F12"}, {0x7C, L"F13"}, {0x7D, L"F14"}, {0x7E, L"F15"}, {0x7F, L"F16"},
    {0x80, L"F17"}, {0x81, L"F18"}, {0x82, L"F19"}, {0x83, L"F20"}, {0x84, L"F21"},
    {0x85, L"F22"}, {0x86, L"F23"}, {0x87, L"F24"},
    {0x90, L"Num Lock"}, {0x91, L"Scroll Lock"},
    {0xA0, L"Shift_L"}, {0xA1, L"Shift_R"}, {0xA2, L"Ctrl_L"}, {0xA3, L"Ctrl_R"},
    {0xA4, L"Alt_L"}, {0xA5, L"Alt_R"},
    {0xBA, L";"}, {0xBB, L"="}, {0xBC, L","}, {0xBD, L"-"}, {0xBE, L"."}, {0xBF, L"/"},
    {0xC0, L"~"}, {0xDB, L"["}, {0xDC, L"\\"}, {0xDD, L"]"}, {0xDE, L"'"},
    // Mouse actions of the macro model; no keyboard produces these codes.
    {0xE0, L"L Key"}, {0xE1, L"R Key"}, {0xE2, L"M Key"}, {0xE3, L"K4"}, {0xE4, L"K5"},
    {0xE5, L"Mouse X"}, {0xE6, L"Mouse Y"}, {0xE7, L"Mouse Wheel"},
};
// clang-format on

constexpr std::array<std::wstring_view, 256> BuildKeyNameTable() {
    std::array<std::wstring_view, 256> table{};
    table.fill(L"Undefined");
    for (const KeyNameRow& row : kKeyNames)
        table[row.code] = row.name;
    return table;
}

} // namespace

constexpr std::array<std::wstring_view, 256> KeyNameTable = BuildKeyNameTable();

} // namespace ferrox
