// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_exchange.h"

#include "base/app_globals.h"
#include "macros/macro_library_file.h"
#include "macros/macro_user_library.h"
#include "settings/test_support.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::FreshFolder;

constexpr MacroLocation kNone{};

// A library with: Tools (folder) { Copy, Paste, Sub (folder) { Deep } }, Solo, Games (folder),
// Last; macros carry distinct actions so copies can be told apart.
void BuildSample(MacroLibrary& lib) {
    auto add = [&lib](const std::wstring& name, MacroLocation sel, bool folder) {
        MacroAddResult r = folder ? lib.AddFolder(name, sel) : lib.AddMacro(name, sel);
        EXPECT_EQ(r, MacroAddResult::Added);
        if (!folder) {
            MacroKey& key = *lib.NodeAt(sel)->macro;
            EXPECT_TRUE(key.InsertAction(0, MacroAction::MakeKey(std::uint8_t(name[0]), false)));
            key.actions[200] = MacroAction::MakeDelay(std::uint32_t(name.size()));
            key.MacroKeyLoopType = 4;
            key.MacroCommandActionNum = 1;
        }
        return sel;
    };
    MacroLocation tools = add(L"Tools", kNone, true);
    add(L"Copy", tools, false);
    add(L"Paste", tools, false);
    add(L"Deep", add(L"Sub", tools, true), false);
    add(L"Solo", kNone, false);
    add(L"Games", kNone, true);
    add(L"Last", kNone, false);
}

std::wstring Names(const MacroLibrary& lib) {
    std::wstring names;
    for (int stage = 0; stage <= 2; ++stage)
        lib.ForEachUsed(stage, [&](const MacroLocation& l, const MacroItem& item) {
            names += std::to_wstring(l.stage) + L":" + item.MacroItemName + L" ";
        });
    return names;
}

class MacroExchange : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        BuildSample(source);
    }
    fs::path dir;
    MacroLibrary source;
};

TEST_F(MacroExchange, ExportedMacroImportsWithANewIdentity) {
    const MacroLocation paste{1, 0, 1, 0};
    EXPECT_EQ(ProposedMacroFileName(source, paste), L"Paste.mkf");
    ASSERT_TRUE(ExportMacro(source, paste, dir / "paste.mkf"));

    MacroLibrary target;
    MacroLocation folder;
    ASSERT_EQ(target.AddFolder(L"Mine", folder), MacroAddResult::Added);
    MacroLocation sel = folder;
    MacroImportResult r = ImportMacro(target, sel, dir / "paste.mkf");
    EXPECT_EQ(r.status, MacroImportStatus::Imported);
    EXPECT_EQ(sel, (MacroLocation{1, 0, 0, 0}));
    EXPECT_EQ(target.NodeAt(folder)->MacroItemFolderIsOpen, 1);
    const MacroKey& copy = *target.NodeAt(sel)->macro;
    MacroKey expected = *source.NodeAt(paste)->macro;
    expected.MacroKeyIndex = 1; // the target's counter, not the file's
    EXPECT_EQ(copy, expected);

    // The same name again is refused and nothing changes.
    const std::wstring before = FormatMacroLibrary(target, kNone);
    sel = folder;
    EXPECT_EQ(ImportMacro(target, sel, dir / "paste.mkf").status, MacroImportStatus::NameExists);
    EXPECT_EQ(sel, folder);
    EXPECT_EQ(FormatMacroLibrary(target, kNone), before);
}

TEST_F(MacroExchange, OnlyAMacroCanBeExported) {
    for (MacroLocation sel : {kNone, MacroLocation{0, 0, 0, 0}, MacroLocation{0, 9, 0, 0}})
        EXPECT_FALSE(ExportMacro(source, sel, dir / "x.mkf"));
    EXPECT_FALSE(fs::exists(dir / "x.mkf"));
}

TEST_F(MacroExchange, ImportMacroChecksTheFilesSelection) {
    const struct {
        const char* what;
        MacroLocation fileSelection;
    } cases[] = {
        {"nothing selected", kNone},           {"a folder", {0, 0, 0, 0}},
        {"a free slot", {0, 20, 0, 0}},        {"stage out of range", {7, 0, 0, 0}},
        {"index out of range", {1, 0, 99, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteMacroLibrary(dir / "sel.mkf", source, c.fileSelection));
        MacroLibrary target;
        MacroLocation sel;
        EXPECT_EQ(ImportMacro(target, sel, dir / "sel.mkf").status,
                  MacroImportStatus::NothingToImport);
        EXPECT_EQ(Names(target), L"");
    }
    test::WriteBytes(dir / "junk.mkf", "not a library");
    MacroLibrary target;
    MacroLocation sel;
    EXPECT_EQ(ImportMacro(target, sel, dir / "junk.mkf").status, MacroImportStatus::Unreadable);
    EXPECT_EQ(ImportMacro(target, sel, dir / "absent.mkf").status, MacroImportStatus::Unreadable);
}

TEST_F(MacroExchange, WholeSetWithNothingSelected) {
    EXPECT_EQ(ProposedSetFileName(source, kNone), L"AllMacroKey.mbf");
    ASSERT_TRUE(ExportMacroSet(source, kNone, dir / "AllMacroKey.mbf"));
    MacroLibrary target;
    MacroLocation sel;
    MacroImportResult r = ImportMacroSet(target, sel, dir / "AllMacroKey.mbf");
    EXPECT_EQ(r.status, MacroImportStatus::Imported);
    EXPECT_EQ(r.itemsAdded, 4);
    EXPECT_EQ(Names(target), Names(source));
    EXPECT_EQ(sel, (MacroLocation{0, 3, 0, 0}));
    EXPECT_EQ(target.NodeAt({2, 0, 2, 0})->macro->actions[200], MacroAction::MakeDelay(4));
}

TEST_F(MacroExchange, SetWithAFreeSlotSelectedExportsEverything) {
    EXPECT_EQ(ProposedSetFileName(source, {0, 30, 0, 0}), L"AllMacroKey.mbf");
    ASSERT_TRUE(ExportMacroSet(source, {0, 30, 0, 0}, dir / "all.mbf"));
    MacroLibrary target;
    MacroLocation sel;
    EXPECT_EQ(ImportMacroSet(target, sel, dir / "all.mbf").itemsAdded, 4);
}

TEST_F(MacroExchange, SetFromASelectedMacroTakesItAndTheSiblingsAfterIt) {
    ASSERT_TRUE(ExportMacroSet(source, {0, 1, 0, 0}, dir / "solo.mbf"));
    MacroLibrary target;
    MacroLocation sel;
    EXPECT_EQ(ImportMacroSet(target, sel, dir / "solo.mbf").itemsAdded, 3);
    EXPECT_EQ(Names(target), L"0:Solo 0:Games 0:Last ");
}

TEST_F(MacroExchange, SetFromASelectedFolderTakesExactlyThatFolder) {
    ASSERT_TRUE(ExportMacroSet(source, {0, 0, 0, 0}, dir / "tools.mbf"));
    // Into a top-level folder of the target: the level-1 "Sub" would be a third folder level
    // there, so it is skipped with its contents.
    MacroLibrary target;
    MacroLocation folder;
    ASSERT_EQ(target.AddFolder(L"Into", folder), MacroAddResult::Added);
    MacroLocation sel = folder;
    MacroImportResult r = ImportMacroSet(target, sel, dir / "tools.mbf");
    EXPECT_EQ(r.status, MacroImportStatus::Imported);
    EXPECT_EQ(Names(target), L"0:Into 1:Tools 2:Copy 2:Paste ");
    EXPECT_EQ(sel, (MacroLocation{1, 0, 0, 0}));
    EXPECT_EQ(target.NodeAt(folder)->MacroItemFolderIsOpen, 1);

    // A level-1 folder of the file lands at the top level with its macros.
    ASSERT_TRUE(ExportMacroSet(source, {1, 0, 2, 0}, dir / "sub.mbf"));
    MacroLibrary top;
    MacroLocation none;
    EXPECT_EQ(ImportMacroSet(top, none, dir / "sub.mbf").status, MacroImportStatus::Imported);
    EXPECT_EQ(Names(top), L"0:Sub 1:Deep ");
}

TEST_F(MacroExchange, SetWithATakenNameImportsNothing) {
    ASSERT_TRUE(ExportMacroSet(source, kNone, dir / "all.mbf"));
    MacroLibrary target;
    MacroLocation sel;
    ASSERT_EQ(target.AddMacro(L"Last", sel), MacroAddResult::Added);
    sel = kNone;
    EXPECT_EQ(ImportMacroSet(target, sel, dir / "all.mbf").status, MacroImportStatus::NameExists);
    EXPECT_EQ(Names(target), L"0:Last ");
    EXPECT_EQ(sel, kNone);
}

TEST_F(MacroExchange, UserLibraryLoadsSavesAndKeepsADamagedFile) {
    DataFolder = dir;
    const fs::path file = dir / "config" / "MacroLibraryFile.mlf";
    ASSERT_TRUE(SaveUserMacroLibrary(source));
    MacroLibrary loaded;
    EXPECT_TRUE(LoadUserMacroLibrary(loaded));
    EXPECT_EQ(FormatMacroLibrary(loaded, kNone), FormatMacroLibrary(source, kNone));

    // Cut the file inside a block: what came before loads, the whole file is kept aside.
    std::string bytes = test::ReadBytes(file);
    bytes.resize(bytes.size() - 100);
    test::WriteBytes(file, bytes);
    MacroLibrary partial;
    EXPECT_FALSE(LoadUserMacroLibrary(partial));
    EXPECT_NE(Names(partial), L"");
    EXPECT_EQ(test::ReadBytes(dir / "config" / "MacroLibraryFile.mlf.damaged"), bytes);

    fs::remove(file);
    MacroLibrary empty;
    EXPECT_FALSE(LoadUserMacroLibrary(empty));
    EXPECT_EQ(Names(empty), L"");
}

} // namespace
} // namespace ferrox
