// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_library_file.h"

#include "base/text_file.h"
#include "settings/test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::FreshFolder;
using test::ReadBytes;
using test::WriteBytes;

const fs::path kData = FERROX_TEST_DATA_DIR;

std::wstring
Header(const std::wstring& counter = L"8",
       const std::wstring& selection = L"stage=-1;stage0Index=0;stage1Index=0;stage2Index=0;") {
    return L"[MacroLibrary]\nMacroKeyIndex=" + counter + L"\nSelect Locaton:" + selection + L"\n";
}

std::wstring FolderBlock(const std::wstring& name, const std::wstring& location) {
    return L"++++++++MacroItemName=" + name + L"\nMacroItemLocation:" + location +
           L"\nMacroItemIsFolder=1\nMacroItemFolderIsOpen=0\n";
}

// A macro block whose number lines can be replaced one by one.
struct MacroBlock {
    std::wstring name = L"m";
    std::wstring location = L"stage=0;stage0Index=0;stage1Index=0;stage2Index=0;";
    std::wstring numbers[5] = {L"MacroKeyIndex=3", L"MacroKeyLoopType=2", L"MacroKeyLoopNum=1",
                               L"MacroActionNum=1", L"MacroCommandActionNum=1"};
    std::wstring actions = L"AllAction=41000000" + std::wstring(2680, L'0');

    std::wstring Text() const {
        std::wstring t = L"++++++++MacroItemName=" + name + L"\nMacroItemLocation:" + location +
                         L"\nMacroItemIsFolder=0\nMacroItemFolderIsOpen=0\n";
        for (const std::wstring& n : numbers)
            t += n + L"\n";
        return t + actions + L"\n";
    }
};

MacroBlock At(const std::wstring& name, int slot) {
    MacroBlock b;
    b.name = name;
    b.location = L"stage=0;stage0Index=" + std::to_wstring(slot) + L";stage1Index=0;stage2Index=0;";
    return b;
}

std::wstring TopNames(const MacroLibrary& lib) {
    std::wstring names;
    lib.ForEachUsed(0, [&](const MacroLocation&, const MacroItem& item) {
        names += item.MacroItemName + L",";
    });
    return names;
}

TEST(MacroLibraryFile, SampleFileReadsIntoTheTreeAndWritesBackByteExact) {
    MacroLibrary lib;
    MacroLocation sel;
    ASSERT_TRUE(ReadMacroLibrary(kData / "sample.mlf", lib, sel));
    EXPECT_EQ(sel, (MacroLocation{1, 2, 0, 0}));
    EXPECT_EQ(lib.NextKeyIndex(), 8);
    EXPECT_EQ(TopNames(lib), L"Hello,Games,Edit,");

    const MacroKey& hello = *lib.NodeAt({0, 0, 0, 0})->macro;
    EXPECT_EQ(hello.MacroKeyIndex, 3);
    EXPECT_EQ(hello.MacroKeyLoopType, 4);
    EXPECT_EQ(hello.MacroActionNum, 2u);
    EXPECT_EQ(hello.actions[1], (MacroAction{0x41, 0x80, 0, 0}));
    // A slot beyond the count, holding a delay coded 1, is kept exactly.
    EXPECT_EQ(hello.actions[5], (MacroAction{0x01, 0, 0, 5}));

    const MacroItem& edit = *lib.NodeAt({0, 2, 0, 0});
    EXPECT_EQ(edit.MacroItemIsFolder, 1);
    EXPECT_EQ(edit.MacroItemFolderIsOpen, 1);
    const MacroKey& copy = *lib.NodeAt({1, 2, 0, 0})->macro;
    EXPECT_EQ(copy.MacroKeyIndex, 7);
    EXPECT_EQ(copy.MacroCommandActionNum, 2);
    EXPECT_EQ(copy.actions[1], MacroAction::MakeDelay(50));
    EXPECT_EQ(lib.NodeAt({2, 1, 0, 0})->MacroItemName, L"Burst ✓");

    const fs::path out = FreshFolder("sample") / "out.mlf";
    ASSERT_TRUE(WriteMacroLibrary(out, lib, sel));
    EXPECT_EQ(ReadBytes(out), ReadBytes(kData / "sample.mlf"));
}

TEST(MacroLibraryFile, EmptyLibraryIsTheThreeHeaderLines) {
    MacroLibrary lib;
    lib.SetNextKeyIndex(42);
    const std::wstring text = FormatMacroLibrary(lib, {});
    EXPECT_EQ(text, Header(L"42"));

    MacroLibrary back;
    MacroLocation sel{0, 1, 2, 3};
    EXPECT_TRUE(ParseMacroLibrary(text, back, sel));
    EXPECT_EQ(back.NextKeyIndex(), 42);
    EXPECT_EQ(sel, MacroLocation{});
    EXPECT_EQ(TopNames(back), L"");
}

TEST(MacroLibraryFile, WriteReadWriteIsIdentical) {
    MacroLibrary lib;
    MacroLocation sel;
    ASSERT_EQ(lib.AddFolder(L"F", sel), MacroAddResult::Added);
    ASSERT_EQ(lib.AddMacro(L"in F", sel = {0, 0, 0, 0}), MacroAddResult::Added);
    MacroKey& key = *lib.NodeAt(sel)->macro;
    key.MacroActionNum = 2;
    key.actions[0] = {0x41, 0, 0, 0};
    key.actions[1] = {0x00, 0x00, 0x00, 0x07};   // a delay below 8 stays as it is
    key.actions[335] = {0xDE, 0xAD, 0xBE, 0xEF}; // beyond the count
    key.MacroKeyIndex = -5;                      // written as an unsigned number
    key.MacroKeyLoopType = 1;
    key.MacroKeyLoopNum = 255;
    // A node behind a gap and one below a macro, as a file may hold them.
    lib.PlaceMacro(L"gap", {0, 9, 0, 0}, std::make_unique<MacroKey>(L"other name"));
    lib.PlaceFolder(L"odd", {1, 9, 3, 0}, true);
    lib.PlaceMacro(L"empty", {0, 10, 0, 0}, nullptr);

    const std::wstring first = FormatMacroLibrary(lib, {2, 1, 2, 3});
    MacroLibrary back;
    MacroLocation backSel;
    ASSERT_TRUE(ParseMacroLibrary(first, back, backSel));
    EXPECT_EQ(backSel, (MacroLocation{2, 1, 2, 3}));
    EXPECT_EQ(*back.NodeAt({1, 0, 0, 0})->macro, (MacroKey{key}));
    EXPECT_EQ(FormatMacroLibrary(back, backSel), first);
}

TEST(MacroLibraryFile, ALineFeedInANameCannotBreakTheFile) {
    MacroLibrary lib;
    lib.PlaceFolder(L"two\nlines", {0, 0, 0, 0}, false);
    lib.PlaceMacro(L"after", {0, 1, 0, 0}, nullptr);
    MacroLibrary back;
    MacroLocation sel;
    EXPECT_TRUE(ParseMacroLibrary(FormatMacroLibrary(lib, {}), back, sel));
    EXPECT_EQ(TopNames(back), L"two lines,after,");
}

struct MalformedCase {
    const char* what;
    std::wstring text;
    bool clean;
    std::wstring topNames; // what was kept
};

TEST(MacroLibraryFile, MalformedTextsKeepWhatCameBeforeTheFault) {
    MacroBlock shortActions = At(L"b", 1);
    shortActions.actions.pop_back();
    MacroBlock cut = At(L"b", 1);
    MacroBlock noName = At(L"", 1);
    MacroBlock stage3 = At(L"x", 1);
    stage3.location = L"stage=3;stage0Index=1;stage1Index=0;stage2Index=0;";
    MacroBlock index60 = At(L"x", 60);
    MacroBlock badLocation = At(L"x", 1);
    badLocation.location = L"stage=0;stage0Index=1;stage1Index=0;stage2Index=";
    MacroBlock emptyActions = At(L"b", 1);
    emptyActions.actions = L"AllAction=";
    MacroBlock emptyNumber = At(L"b", 1);
    emptyNumber.numbers[2] = L"MacroKeyLoopNum=";
    const std::wstring good = At(L"a", 0).Text();
    const std::wstring cutText = cut.Text();

    const MalformedCase cases[] = {
        {"wrong header", L"[MacroLib]\n" + Header().substr(15) + good, false, L""},
        {"header then blank", L"[MacroLibrary]\n\n", false, L""},
        {"header only", L"[MacroLibrary]\n", false, L""},
        {"no selection line", L"[MacroLibrary]\nMacroKeyIndex=3\n", false, L""},
        {"selection ends at =", Header(L"3", L"stage=-1;stage0Index=0;stage1Index=0;stage2Index="),
         false, L""},
        {"selection without last ;",
         Header(L"3", L"stage=-1;stage0Index=0;stage1Index=0;stage2Index=0"), true, L""},
        {"CR LF line ends", L"[MacroLibrary]\r\nMacroKeyIndex=8\r\n", false, L""},
        {"AllAction one short", Header() + good + shortActions.Text(), false, L"a,"},
        {"empty AllAction", Header() + good + emptyActions.Text(), false, L"a,"},
        {"empty number value", Header() + good + emptyNumber.Text(), false, L"a,"},
        {"empty counter value", Header(L"") + good, false, L""},
        {"block cut off", Header() + good + cutText.substr(0, cutText.find(L"MacroKeyLoopNum")),
         false, L"a,"},
        {"empty name", Header() + good + noName.Text(), false, L"a,"},
        {"location ends at =", Header() + good + badLocation.Text(), false, L"a,"},
        {"blank line between blocks", Header() + good + L"\n" + At(L"b", 1).Text(), false, L"a,"},
        {"stage 3 skipped", Header() + stage3.Text() + good, true, L"a,"},
        {"index 60 skipped", Header() + index60.Text() + good, true, L"a,"},
        {"folder at stage -2 skipped",
         Header() + FolderBlock(L"f", L"stage=-2;stage0Index=0;stage1Index=0;stage2Index=0;") +
             good,
         true, L"a,"},
        {"trailing line without =", Header() + good + L"junk\n", false, L"a,"},
        {"no final line feed", Header() + good.substr(0, good.size() - 1), true, L"a,"},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.what);
        MacroLibrary lib;
        MacroLocation sel;
        EXPECT_EQ(ParseMacroLibrary(c.text, lib, sel), c.clean);
        EXPECT_EQ(TopNames(lib), c.topNames);
    }
}

TEST(MacroLibraryFile, NumberLinesAreReadByPositionAndLimited) {
    MacroBlock b;
    b.numbers[1] = L"MacroKeyLoopNum=300"; // lines swapped: position decides
    b.numbers[2] = L"MacroKeyLoopType=4";
    b.numbers[3] = L"MacroActionNum=100000";
    b.numbers[4] = L"\tMacroCommandActionNum=abc";
    MacroLibrary lib;
    MacroLocation sel;
    ASSERT_TRUE(ParseMacroLibrary(Header() + b.Text(), lib, sel));
    const MacroKey& key = *lib.NodeAt({0, 0, 0, 0})->macro;
    EXPECT_EQ(key.MacroKeyLoopType, 44); // low 8 bits of 300
    EXPECT_EQ(key.MacroKeyLoopNum, 4);
    EXPECT_EQ(key.MacroActionNum, 336u);
    EXPECT_EQ(key.MacroCommandActionNum, 0);
}

TEST(MacroLibraryFile, CounterStaysAheadOfTheMacrosRead) {
    struct {
        std::wstring counter;
        std::int32_t expected;
    } const cases[] = {{L"9", 9}, {L"2", 4}, {L"0", 4}, {L"-7", 4}};
    for (const auto& c : cases) {
        MacroLibrary lib;
        MacroLocation sel;
        ASSERT_TRUE(ParseMacroLibrary(Header(c.counter) + MacroBlock{}.Text(), lib, sel));
        EXPECT_EQ(lib.NextKeyIndex(), c.expected)
            << std::string(c.counter.begin(), c.counter.end());
    }
    MacroLibrary empty;
    MacroLocation sel;
    ASSERT_TRUE(ParseMacroLibrary(Header(L"0"), empty, sel));
    EXPECT_EQ(empty.NextKeyIndex(), 1); // 0 would mean "no macro" to a button
}

TEST(MacroLibraryFile, ReadingClearsTheTargetFirst) {
    MacroLibrary lib;
    MacroLocation sel;
    lib.PlaceMacro(L"old", {0, 30, 0, 0}, std::make_unique<MacroKey>(L"old"));
    ASSERT_TRUE(ParseMacroLibrary(Header() + MacroBlock{}.Text(), lib, sel));
    EXPECT_EQ(TopNames(lib), L"m,");
}

TEST(MacroLibraryFile, FilesFromOutsideNeverCrashTheReader) {
    const fs::path dir = FreshFolder("outside");
    auto utf16 = [](const std::wstring& text) {
        std::string bytes = test::kBom;
        for (wchar_t c : text) {
            bytes.push_back(char(c & 0xFF));
            bytes.push_back(char(c >> 8));
        }
        return bytes;
    };
    std::wstring crlf = Header() + At(L"a", 0).Text();
    for (std::size_t p = 0; (p = crlf.find(L'\n', p)) != std::wstring::npos; p += 2)
        crlf.insert(p, 1, L'\r');
    std::mt19937 random(7);
    std::string binary(1 << 16, '\0');
    for (char& c : binary)
        c = char(random());
    const struct {
        const char* name;
        std::string bytes;
        bool clean;
        const wchar_t* kept;
    } files[] = {
        {"crlf.mlf", utf16(crlf), false, L""},
        {"binary.mlf", binary, false, L""},
        {"huge.mlf", utf16(Header() + At(L"a", 0).Text()) + std::string(8 << 20, 'A'), false,
         L"a,"},
        {"zeros.mlf", utf16(Header() + At(L"a", 0).Text()) + std::string(8 << 20, '\0'), false,
         L"a,"},
        {"no-bom.mlf", utf16(Header()).substr(2), true, L""},
        {"empty.mlf", "", false, L""},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        WriteBytes(dir / f.name, f.bytes);
        MacroLibrary lib;
        MacroLocation sel;
        EXPECT_EQ(ReadMacroLibrary(dir / f.name, lib, sel), f.clean);
        EXPECT_EQ(TopNames(lib), f.kept);
    }
}

TEST(MacroLibraryFile, MissingFileLeavesTheTargetAndFailedWriteLeavesNoFile) {
    const fs::path dir = FreshFolder("missing");
    MacroLibrary lib;
    MacroLocation sel;
    lib.PlaceFolder(L"kept", {0, 0, 0, 0}, false);
    EXPECT_FALSE(ReadMacroLibrary(dir / "absent.mlf", lib, sel));
    EXPECT_EQ(TopNames(lib), L"kept,");
    EXPECT_FALSE(WriteMacroLibrary(dir / "no-such-folder" / "x.mlf", lib, sel));
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}

} // namespace
} // namespace ferrox
