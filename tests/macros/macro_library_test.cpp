// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_library.h"
#include "macros/macro_library_file.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

constexpr MacroLocation kNone{};
MacroLocation Top(int i0) {
    return {0, i0, 0, 0};
}
MacroLocation Mid(int i0, int i1) {
    return {1, i0, i1, 0};
}
MacroLocation Low(int i0, int i1, int i2) {
    return {2, i0, i1, i2};
}

std::wstring NameAt(const MacroLibrary& lib, const MacroLocation& l) {
    return lib.NodeAt(l)->MacroItemName;
}

MacroLocation Add(MacroLibrary& lib, const std::wstring& name, MacroLocation sel, bool folder) {
    MacroAddResult r = folder ? lib.AddFolder(name, sel) : lib.AddMacro(name, sel);
    EXPECT_EQ(r, MacroAddResult::Added) << std::string(name.begin(), name.end());
    return sel;
}

TEST(MacroLibrary, EmptyLibraryHasEveryFreeSlot) {
    MacroLibrary lib;
    EXPECT_EQ(lib.NextKeyIndex(), 1);
    EXPECT_EQ(lib.VisibleRowCount(), 0);
    for (MacroLocation l : {Top(0), Top(59), Mid(59, 59), Low(59, 59, 59)}) {
        ASSERT_NE(lib.NodeAt(l), nullptr);
        EXPECT_TRUE(lib.NodeAt(l)->IsFree());
    }
    for (MacroLocation l : {kNone, MacroLocation{3, 0, 0, 0}, Top(60), Mid(0, -1), Low(0, 0, 60)})
        EXPECT_EQ(lib.NodeAt(l), nullptr);
}

TEST(MacroLibrary, AddPlacesNodesByTheSelection) {
    MacroLibrary lib;
    MacroLocation folder = Add(lib, L"F", kNone, true);
    EXPECT_EQ(folder, Top(0));
    MacroLocation sub = Add(lib, L"Sub", folder, true);
    EXPECT_EQ(sub, Mid(0, 0));
    // A folder inside a level-1 folder would be a third folder level: nothing is added.
    MacroLocation sel = sub;
    EXPECT_EQ(lib.AddFolder(L"Deep", sel), MacroAddResult::NotAdded);
    EXPECT_EQ(sel, sub);
    // A macro inside a level-1 folder goes to level 2.
    MacroLocation deep = Add(lib, L"m1", sub, false);
    EXPECT_EQ(deep, Low(0, 0, 0));
    // With a macro selected, even inside a folder, new nodes go to the top level.
    EXPECT_EQ(Add(lib, L"m2", deep, false), Top(1));
    EXPECT_EQ(Add(lib, L"F2", deep, true), Top(2));
    EXPECT_EQ(lib.NodeAt(deep)->macro->MacroKeyIndex, 1);
    EXPECT_EQ(lib.NodeAt(Top(1))->macro->MacroKeyIndex, 2);
    EXPECT_EQ(lib.NodeAt(Top(1))->macro->name, L"m2");
    EXPECT_EQ(lib.NodeAt(Top(2))->macro, nullptr);
    EXPECT_EQ(lib.NextKeyIndex(), 3);
}

TEST(MacroLibrary, NamesAreExactAndPerSiblingGroup) {
    MacroLibrary lib;
    MacroLocation folder = Add(lib, L"Copy", kNone, true);
    Add(lib, L"Copy", folder, false); // same name one level down is fine
    MacroLocation sel = kNone;
    EXPECT_EQ(lib.AddMacro(L"Copy", sel), MacroAddResult::NameExists);
    EXPECT_EQ(MacroAddResultCode(MacroAddResult::NameExists), 1);
    EXPECT_EQ(sel, kNone);
    EXPECT_EQ(lib.AddMacro(L"copy", sel), MacroAddResult::Added);
    EXPECT_TRUE(lib.NameExists(L"Copy", Top(5)));
    EXPECT_TRUE(lib.NameExists(L"Copy", kNone));
    EXPECT_TRUE(lib.NameExists(L"Copy", Mid(0, 9)));
    EXPECT_FALSE(lib.NameExists(L"Cop", Top(0)));
    EXPECT_FALSE(lib.NameExists(L"", Top(10)));
    for (const std::wstring bad : {L"", L"a\nb"}) {
        sel = kNone;
        EXPECT_EQ(lib.AddMacro(bad, sel), MacroAddResult::InvalidName);
    }
}

// The file gives a macro its node's name: a rename that left the macro's own name behind
// made the library in memory differ from what its file reads back as.
TEST(MacroLibrary, RenameNamesTheNodeAndItsMacroAlike) {
    MacroLibrary lib;
    const MacroLocation folder = Add(lib, L"Games", kNone, true);
    const MacroLocation macro = Add(lib, L"Jump", folder, false);
    EXPECT_TRUE(lib.RenameItem(macro, L"Double jump"));
    EXPECT_EQ(NameAt(lib, macro), L"Double jump");
    EXPECT_EQ(lib.NodeAt(macro)->macro->name, L"Double jump");
    EXPECT_TRUE(lib.RenameItem(folder, L"Shooters"));
    EXPECT_EQ(NameAt(lib, folder), L"Shooters");

    MacroLibrary reread;
    MacroLocation ignored;
    ASSERT_TRUE(ParseMacroLibrary(FormatMacroLibrary(lib, kNone), reread, ignored));
    EXPECT_EQ(*reread.NodeAt(macro)->macro, *lib.NodeAt(macro)->macro);

    for (const std::wstring bad : {L"", L"a\nb"})
        EXPECT_FALSE(lib.RenameItem(macro, bad));
    EXPECT_FALSE(lib.RenameItem(Top(7), L"Nothing here"));
    EXPECT_FALSE(lib.RenameItem(kNone, L"Nothing"));
    EXPECT_EQ(NameAt(lib, macro), L"Double jump");
    EXPECT_EQ(lib.NodeAt(Top(7))->MacroItemName, L"");
}

TEST(MacroLibrary, FullGroupAddsNothing) {
    MacroLibrary lib;
    for (int i = 0; i < 60; ++i)
        Add(lib, L"m" + std::to_wstring(i), kNone, false);
    MacroLocation sel = Top(3);
    EXPECT_EQ(lib.AddMacro(L"extra", sel), MacroAddResult::NotAdded);
    EXPECT_EQ(MacroAddResultCode(MacroAddResult::NotAdded), 0);
    EXPECT_EQ(sel, Top(3));
    EXPECT_EQ(lib.NextKeyIndex(), 61);
}

TEST(MacroLibrary, DeleteMovesLaterSiblingsWithTheirSubtrees) {
    MacroLibrary lib;
    for (int i = 0; i < 10; ++i)
        Add(lib, L"t" + std::to_wstring(i), kNone, i % 2 == 0);
    Add(lib, L"inner", Add(lib, L"sub", Top(4), true), false); // (4,0) folder, (4,0,0) macro
    const std::int32_t innerIndex = lib.NodeAt(Low(4, 0, 0))->macro->MacroKeyIndex;
    Add(lib, L"gone", Top(2), false);

    EXPECT_TRUE(lib.DeleteItem(Top(2)));
    EXPECT_EQ(NameAt(lib, Top(2)), L"t3");
    EXPECT_EQ(NameAt(lib, Top(3)), L"t4");
    EXPECT_EQ(NameAt(lib, Mid(3, 0)), L"sub");
    EXPECT_EQ(lib.NodeAt(Low(3, 0, 0))->macro->MacroKeyIndex, innerIndex);
    EXPECT_TRUE(lib.NodeAt(Mid(4, 0))->IsFree());
    EXPECT_EQ(NameAt(lib, Top(8)), L"t9");
    EXPECT_TRUE(lib.NodeAt(Top(9))->IsFree());
    EXPECT_FALSE(lib.NameExists(L"gone", Mid(2, 0)));
    EXPECT_FALSE(lib.DeleteItem(Top(60)));
}

TEST(MacroLibrary, DeleteInAFullGroupKeepsTheMovedLastMacro) {
    MacroLibrary lib;
    MacroLocation folder = Add(lib, L"F", kNone, true);
    for (int i = 0; i < 60; ++i)
        Add(lib, L"m" + std::to_wstring(i), folder, false);
    const MacroKey* last = lib.NodeAt(Mid(0, 59))->macro.get();
    EXPECT_TRUE(lib.DeleteItem(Mid(0, 10)));
    EXPECT_TRUE(lib.NodeAt(Mid(0, 59))->IsFree());
    EXPECT_EQ(lib.NodeAt(Mid(0, 59))->macro, nullptr);
    EXPECT_EQ(lib.NodeAt(Mid(0, 58))->macro.get(), last);
    EXPECT_EQ(last->name, L"m59");
}

TEST(MacroLibrary, KeyIndexesAreNeverReused) {
    MacroLibrary lib;
    Add(lib, L"a", kNone, false);
    Add(lib, L"b", kNone, false);
    lib.DeleteItem(Top(1));
    lib.Clear();
    MacroLocation sel = Add(lib, L"c", kNone, false);
    EXPECT_EQ(lib.NodeAt(sel)->macro->MacroKeyIndex, 3);
}

TEST(MacroLibrary, FlattenedViewFollowsOpenFolders) {
    MacroLibrary lib;
    MacroLocation f = Add(lib, L"F", kNone, true); // (0)
    MacroLocation g = Add(lib, L"G", f, true);     // (0,0)
    Add(lib, L"x", g, false);                      // (0,0,0)
    Add(lib, L"y", f, false);                      // (0,1)
    Add(lib, L"z", kNone, false);                  // (1)
    EXPECT_EQ(lib.VisibleRowCount(), 2);
    EXPECT_EQ(lib.RowOfLocation(Mid(0, 1)), -1);

    lib.NodeAt(f)->MacroItemFolderIsOpen = 1;
    EXPECT_EQ(lib.VisibleRowCount(), 4);
    lib.NodeAt(g)->MacroItemFolderIsOpen = 1;
    const MacroLocation order[] = {Top(0), Mid(0, 0), Low(0, 0, 0), Mid(0, 1), Top(1)};
    ASSERT_EQ(lib.VisibleRowCount(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(lib.LocationOfRow(row), order[row]) << row;
        EXPECT_EQ(lib.RowOfLocation(order[row]), row);
    }
    EXPECT_EQ(lib.LocationOfRow(5).stage, -1);
    EXPECT_EQ(lib.LocationOfRow(-1).stage, -1);
    EXPECT_EQ(lib.RowOfLocation(Top(2)), -1);

    lib.CollapseAll();
    EXPECT_EQ(lib.VisibleRowCount(), 2);
    EXPECT_EQ(lib.NodeAt(g)->MacroItemFolderIsOpen, 0);
}

TEST(MacroLibrary, ViewAndClearCoverNodesBehindGaps) {
    MacroLibrary lib;
    lib.PlaceMacro(L"late", Top(7), std::make_unique<MacroKey>(L"late"));
    lib.PlaceFolder(L"F", Top(2), true);
    lib.PlaceMacro(L"in", Mid(2, 4), std::make_unique<MacroKey>(L"in"));
    EXPECT_FALSE(lib.PlaceFolder(L"bad", MacroLocation{3, 0, 0, 0}, false));
    EXPECT_FALSE(lib.PlaceFolder(L"bad", Mid(0, 60), false));
    EXPECT_FALSE(lib.PlaceMacro(L"", Top(0), std::make_unique<MacroKey>(L"x")));
    EXPECT_EQ(lib.VisibleRowCount(), 3);
    EXPECT_EQ(lib.LocationOfRow(1), Mid(2, 4));

    lib.Clear();
    EXPECT_EQ(lib.VisibleRowCount(), 0);
    EXPECT_TRUE(lib.NodeAt(Top(7))->IsFree());
    EXPECT_TRUE(lib.NodeAt(Mid(2, 4))->IsFree());
}

TEST(MacroLibrary, SubtreeHoldsMacroAndFindMacro) {
    MacroLibrary lib;
    MacroLocation f = Add(lib, L"F", kNone, true);
    MacroLocation g = Add(lib, L"G", f, true);
    MacroLocation deep = Add(lib, L"x", g, false);
    MacroLocation top = Add(lib, L"y", kNone, false);
    const std::int32_t deepIndex = lib.NodeAt(deep)->macro->MacroKeyIndex;
    const std::int32_t topIndex = lib.NodeAt(top)->macro->MacroKeyIndex;

    EXPECT_TRUE(lib.SubtreeHoldsMacro(deepIndex, f));
    EXPECT_TRUE(lib.SubtreeHoldsMacro(deepIndex, g));
    EXPECT_TRUE(lib.SubtreeHoldsMacro(deepIndex, deep));
    EXPECT_FALSE(lib.SubtreeHoldsMacro(topIndex, f));
    EXPECT_TRUE(lib.SubtreeHoldsMacro(topIndex, top));
    EXPECT_FALSE(lib.SubtreeHoldsMacro(topIndex, Top(5)));

    MacroLocation where;
    ASSERT_NE(lib.FindMacro(deepIndex, &where), nullptr);
    EXPECT_EQ(where, deep);
    EXPECT_EQ(lib.FindMacro(999), nullptr);
}

TEST(MacroLibrary, FindMacroLooksPastAGapThatAFileLeft) {
    MacroLibrary lib;
    auto macro = [](std::int32_t index) {
        auto key = std::make_unique<MacroKey>(L"m");
        key->MacroKeyIndex = index;
        return key;
    };
    ASSERT_TRUE(lib.PlaceMacro(L"A", Top(0), macro(1)));
    ASSERT_TRUE(lib.PlaceMacro(L"C", Top(2), macro(3)));
    ASSERT_TRUE(lib.PlaceMacro(L"D", Mid(4, 7), macro(4)));
    MacroLocation where;
    ASSERT_NE(lib.FindMacro(3, &where), nullptr);
    EXPECT_EQ(where, Top(2));
    ASSERT_NE(lib.FindMacro(4, &where), nullptr);
    EXPECT_EQ(where, Mid(4, 7));
}

} // namespace
} // namespace ferrox
