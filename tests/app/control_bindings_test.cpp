// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_bindings.h"

#include <gtest/gtest.h>

#include <set>

namespace ferrox {
namespace {

// A bit shared by two buttons, or a button outside its own group, would make one choice
// silently change another.
TEST(ProgramBindings, RadioBitsAreUniqueAndEachGroupHoldsExactlyItsButtons) {
    std::uint32_t seen = 0;
    std::set<int> ids;
    for (const RadioGroupEntry& entry : ProgramRadioGroups()) {
        EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
        EXPECT_EQ(entry.bit & (entry.bit - 1), 0u) << entry.id << " has one bit";
        EXPECT_EQ(seen & entry.bit, 0u) << entry.id << " reuses a bit";
        EXPECT_NE(entry.group & entry.bit, 0u) << entry.id << " lies in its group";
        seen |= entry.bit;
    }
    for (const RadioGroupEntry& a : ProgramRadioGroups()) {
        std::uint32_t members = 0;
        for (const RadioGroupEntry& b : ProgramRadioGroups())
            if (b.group == a.group)
                members |= b.bit;
            else
                EXPECT_EQ(a.group & b.group, 0u) << a.id << " and " << b.id << " groups overlap";
        EXPECT_EQ(members, a.group) << "group of " << a.id;
    }
}

TEST(ProgramBindings, ProfileTabsStandForSlotsZeroToFour) {
    for (int slot = 0; slot < 5; ++slot) {
        const TabPageEntry* tab = FindTabPage(ProgramTabPages(), 2049 + slot);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->index, slot);
    }
}

} // namespace
} // namespace ferrox
