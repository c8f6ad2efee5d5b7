// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_codes.h"
#include "buttons/key_labels.h"
#include "keys/key_names.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

struct KeyCase {
    unsigned code;
    std::wstring_view name;
    std::uint8_t usage;
};

// Names and usages that are easy to get wrong: rule ranges at their ends, codes with a name
// but no usage and the other way round, and the macro model's mouse codes.
constexpr KeyCase kKeyCases[] = {
    {0x00, L"Undefined", 0x00}, {0x10, L"Shift", 0x00},
    {0x0E, L"Undefined", 0x58}, {0x2C, L"Print Screen", 0x46},
    {0xA5, L"Alt_R", 0xE6},     {0x30, L"0", 0x27},
    {0x31, L"1", 0x1E},         {0x39, L"9", 0x26},
    {0x41, L"A", 0x04},         {0x5A, L"Z", 0x1D},
    {0x60, L"Num0", 0x62},      {0x61, L"Num1", 0x59},
    {0x69, L"Num9", 0x61},      {0x70, L"F1", 0x3A},
    {0x7B, L"F12", 0x45},       {0x7C, L"F13", 0x00},
    {0x87, L"F24", 0x00},       {0x3B, L"Undefined", 0x29},
    {0x5F, L"Sleep", 0x82},     {0x6C, L"Separator", 0x00},
    {0xDC, L"\\", 0x31},        {0xDF, L"Undefined", 0x00},
    {0xE0, L"L Key", 0xF0},     {0xE7, L"Mouse Wheel", 0xF7},
    {0xE8, L"Undefined", 0x00}, {0xF0, L"Undefined", 0x81},
    {0xFB, L"Undefined", 0x91}, {0xFC, L"Undefined", 0x00},
    {0xFF, L"Undefined", 0x00},
};

TEST(KeyTables, NamesAndUsagesOfEdgeCodes) {
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(KeyName(c.code), c.name);
        EXPECT_EQ(KeyUsage(c.code), c.usage);
    }
}

TEST(KeyTables, LookupsTakeTheLowByte) {
    EXPECT_EQ(KeyName(0x141), L"A");
    EXPECT_EQ(KeyUsage(0xFFFFFF41u), 0x04);
}

TEST(KeyTables, NamedCodesAndUsagesHaveTheExpectedCounts) {
    int named = 0;
    int withUsage = 0;
    for (unsigned code = 0; code < 256; ++code) {
        named += KeyName(code) != L"Undefined";
        withUsage += KeyUsage(code) != 0;
    }
    // 109 codes are listed as undefined.
    EXPECT_EQ(named, 256 - 109);
    // 26 + 10 + 10 + 12 by rule, 8 mouse markers, 48 single entries and 12 hook codes.
    EXPECT_EQ(withUsage, 126);
}

TEST(KeyTables, LabelTables) {
    EXPECT_EQ(ReportRateLabels[0], L"125Hz");
    EXPECT_EQ(ReportRateLabels[3], L"1000Hz");
    EXPECT_EQ(DpiLockLabels[0], L"200");
    EXPECT_EQ(DpiLockLabels[10], L"1200");
}

} // namespace
} // namespace ferrox
