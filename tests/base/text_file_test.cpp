// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/text_file.h"
#include "settings/test_support.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <vector>

namespace ferrox {
namespace {

using test::kBom;
using test::ReadBytes;
using test::Utf16le;
using test::WriteBytes;
namespace fs = std::filesystem;

std::vector<std::wstring> ReadAll(const fs::path& path, unsigned flags) {
    CStdioFileEx file;
    EXPECT_TRUE(file.Open(path, flags));
    std::vector<std::wstring> lines;
    std::wstring line;
    while (file.ReadLine(line))
        lines.push_back(line);
    EXPECT_TRUE(file.Close());
    return lines;
}

bool WriteAll(const fs::path& path, const std::wstring& text,
              unsigned flags = CStdioFileEx::kUnicodeWrite) {
    CStdioFileEx file;
    if (!file.Open(path, flags))
        return false;
    file.WriteText(text);
    return file.Close();
}

TEST(TextFile, UnicodeWriteIsUtf16leWithMarkAndLfLines) {
    fs::path path = test::FreshFolder("unicode_write") / "a.txt";
    ASSERT_TRUE(WriteAll(path, L"ab\n\n\u0444\U0001F600\n"));
    EXPECT_EQ(ReadBytes(path), kBom + Utf16le("ab\n\n") +
                                   std::string("\x44\x04\x3D\xD8\x00\xDE", 6) + Utf16le("\n"));
    EXPECT_EQ(ReadAll(path, CStdioFileEx::kUnicodeRead),
              (std::vector<std::wstring>{L"ab", L"\n", L"\u0444\U0001F600"}));
}

struct ReadCase {
    const char* name;
    std::string bytes;
    unsigned flags;
    std::vector<std::wstring> lines;
};

void ExpectReadCases(const std::string& folderName, const std::vector<ReadCase>& cases) {
    fs::path folder = test::FreshFolder(folderName);
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder / "f", c.bytes);
        EXPECT_EQ(ReadAll(folder / "f", c.flags), c.lines);
    }
}

TEST(TextFile, ReadsLinesAsTheFormatDefines) {
    const std::string line128(128, 'x');
    const std::vector<ReadCase> cases = {
        {"crlf keeps cr in unicode mode",
         kBom + Utf16le("a\r\nb\r\n"),
         CStdioFileEx::kUnicodeRead,
         {L"a\r", L"b\r"}},
        {"no mark loses nothing", Utf16le("ab\ncd"), CStdioFileEx::kUnicodeRead, {L"ab", L"cd"}},
        {"128 characters then newline",
         kBom + Utf16le(line128 + "\nz\n"),
         CStdioFileEx::kUnicodeRead,
         {std::wstring(128, L'x'), L"z"}},
        {"odd trailing byte dropped",
         kBom + Utf16le("ab") + "q",
         CStdioFileEx::kUnicodeRead,
         {L"ab"}},
        {"empty file", "", CStdioFileEx::kUnicodeRead, {}},
        {"mark only", kBom, CStdioFileEx::kUnicodeRead, {}},
        {"text probe finds the mark", kBom + Utf16le("hi\n"), CStdioFileEx::typeText, {L"hi"}},
        {"narrow utf-8 with crlf",
         "h\xC3\xA9\r\n\r\nx",
         CStdioFileEx::typeText,
         {L"h\u00e9", L"\n", L"x"}},
        {"narrow invalid bytes replaced", "a\xFF\xC3", CStdioFileEx::modeRead, {L"a\uFFFD\uFFFD"}},
    };
    ExpectReadCases("read_cases", cases);
}

// Files are read in blocks of 64 KiB: lines, surrogate pairs and "\r\n" that straddle a block
// boundary, and lines longer than a block, read exactly as short ones do.
TEST(TextFile, LinesAcrossBlockBoundariesReadWhole) {
    constexpr std::size_t kBlock = 64 * 1024;
    const std::string filler((kBlock - 2) / 2 - 1, 'x'); // mark + filler ends 2 bytes short
    const std::string longLine(3 * kBlock + 7, 'y');
    const std::vector<ReadCase> cases = {
        {"surrogate pair split by the boundary",
         kBom + Utf16le(filler) + std::string("\x3D\xD8\x00\xDE", 4) + Utf16le("\nz\n"),
         CStdioFileEx::kUnicodeRead,
         {std::wstring(filler.begin(), filler.end()) + L"\U0001F600", L"z"}},
        {"newline right after the boundary",
         kBom + Utf16le(filler + "a\nb"),
         CStdioFileEx::kUnicodeRead,
         {std::wstring(filler.begin(), filler.end()) + L"a", L"b"}},
        {"line longer than several blocks",
         kBom + Utf16le(longLine + "\nend\n"),
         CStdioFileEx::kUnicodeRead,
         {std::wstring(longLine.begin(), longLine.end()), L"end"}},
        {"narrow cr lf split by the boundary",
         std::string(kBlock - 1, 'n') + "\r\nq",
         CStdioFileEx::modeRead,
         {std::wstring(kBlock - 1, L'n'), L"q"}},
    };
    ExpectReadCases("block_cases", cases);
}

// A file with no line end for megabytes (zeros left by a crash, a video picked by mistake) is a
// read error, not an endless line gathered into memory.
TEST(TextFile, EndlessLineIsAReadError) {
    fs::path path = test::FreshFolder("endless") / "f";
    for (unsigned flags : {CStdioFileEx::kUnicodeRead, unsigned(CStdioFileEx::modeRead)}) {
        SCOPED_TRACE(flags);
        WriteBytes(path, std::string(3 << 20, '\0'));
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, flags));
        std::wstring line;
        try {
            file.ReadLine(line);
            ADD_FAILURE() << "no exception";
        } catch (const FileException& e) {
            EXPECT_EQ(e.cause(), FileException::generic);
        }
    }
}

// Text written in many pieces that together pass several blocks arrives in order and whole.
TEST(TextFile, WritesLargerThanABlockKeepEveryByte) {
    fs::path path = test::FreshFolder("block_write") / "f";
    CStdioFileEx file;
    ASSERT_TRUE(file.Open(path, CStdioFileEx::kUnicodeWrite));
    std::string expected = kBom;
    for (int i = 0; i < 20000; ++i) {
        const std::string line = std::to_string(i) + "\n";
        file.WriteText(std::wstring(line.begin(), line.end()));
        expected += Utf16le(line);
    }
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), expected);
}

// Block and line buffers start afresh with every Open of the same object.
TEST(TextFile, OneObjectServesFileAfterFile) {
    const fs::path folder = test::FreshFolder("reuse");
    CStdioFileEx file;
    ASSERT_TRUE(file.Open(folder / "a", CStdioFileEx::kUnicodeWrite));
    file.WriteText(L"first\nsecond\n");
    ASSERT_TRUE(file.Close());
    std::wstring line;
    ASSERT_TRUE(file.Open(folder / "a", CStdioFileEx::kUnicodeRead));
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, L"first");
    ASSERT_TRUE(file.Close());
    ASSERT_TRUE(file.Open(folder / "b", CStdioFileEx::kUnicodeWrite));
    file.WriteText(L"b\n");
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(folder / "b"), kBom + Utf16le("b\n"));
    ASSERT_TRUE(file.Open(folder / "a", CStdioFileEx::kUnicodeRead));
    EXPECT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, L"first");
}

TEST(TextFile, OpenFailsForMissingFilesAndFolders) {
    fs::path folder = test::FreshFolder("open_fail");
    CStdioFileEx file;
    EXPECT_FALSE(file.Open(folder / "missing", CStdioFileEx::kUnicodeRead));
    EXPECT_FALSE(file.Open(folder, CStdioFileEx::kUnicodeRead));
    EXPECT_FALSE(file.Open(folder / "no" / "such" / "f", CStdioFileEx::kUnicodeWrite));
    EXPECT_FALSE(file.IsOpen());
}

TEST(TextFile, WriteReplacesOnlyOnCloseAndLeavesNoTemporaryFile) {
    fs::path folder = test::FreshFolder("atomic");
    fs::path path = folder / "p.psf";
    ASSERT_TRUE(WriteAll(path, L"old\n"));
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::kUnicodeWrite));
        file.WriteText(L"new\n");
        EXPECT_EQ(ReadAll(path, CStdioFileEx::kUnicodeRead), std::vector<std::wstring>{L"old"});
        // Destroyed without Close(): abandoned.
    }
    EXPECT_EQ(ReadAll(path, CStdioFileEx::kUnicodeRead), std::vector<std::wstring>{L"old"});
    ASSERT_TRUE(WriteAll(path, L"new\n"));
    EXPECT_EQ(ReadAll(path, CStdioFileEx::kUnicodeRead), std::vector<std::wstring>{L"new"});
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(TextFile, FailingWriteLeavesTheOldFileIntact) {
    fs::path folder = test::FreshFolder("disk_full");
    fs::path path = folder / "p.psf";
    ASSERT_TRUE(WriteAll(path, L"precious\n"));
    const std::string before = ReadBytes(path);

    // A file size limit makes writes fail as a full disk would.
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    bool closed = true;
    bool threw = false;
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::kUnicodeWrite));
        try {
            for (int i = 0; i < 1000; ++i)
                file.WriteText(std::wstring(100, L'z') + L"\n");
            closed = file.Close();
        } catch (const FileException& e) {
            threw = true;
            EXPECT_EQ(e.cause(), FileException::diskFull);
            closed = file.Close();
        }
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(threw);
    EXPECT_FALSE(closed);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(TextFile, FailedRenameIsAFailedWrite) {
    fs::path folder = test::FreshFolder("rename_fail");
    ASSERT_TRUE(WriteAll(folder / "taken", L"old\n"));
    CStdioFileEx file;
    ASSERT_TRUE(file.Open(folder / "taken", CStdioFileEx::kUnicodeWrite));
    file.WriteText(L"x\n");
    // The temporary file vanishes before it can be renamed into place.
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path() != folder / "taken")
            fs::remove(entry.path());
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(ReadAll(folder / "taken", CStdioFileEx::kUnicodeRead),
              std::vector<std::wstring>{L"old"});
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(TextFile, SymbolicLinkStaysALinkAndItsTargetIsWritten) {
    fs::path folder = test::FreshFolder("symlink");
    fs::create_directories(folder / "real");
    ASSERT_TRUE(WriteAll(folder / "real" / "t.ini", L"old\n"));
    fs::create_symlink("real/t.ini", folder / "link.ini");
    ASSERT_TRUE(WriteAll(folder / "link.ini", L"new\n"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
    EXPECT_EQ(ReadAll(folder / "real" / "t.ini", CStdioFileEx::kUnicodeRead),
              std::vector<std::wstring>{L"new"});
}

TEST(TextFile, KeepsPermissionsOfTheReplacedFile) {
    fs::path path = test::FreshFolder("perms") / "f";
    ASSERT_TRUE(WriteAll(path, L"a\n"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteAll(path, L"b\n"));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(TextFile, LongestFileNamesCanBeSaved) {
    fs::path path = test::FreshFolder("long_name") / std::string(255, 'n');
    ASSERT_TRUE(WriteAll(path, L"a\n"));
    ASSERT_TRUE(WriteAll(path, L"b\n"));
    EXPECT_EQ(ReadAll(path, CStdioFileEx::kUnicodeRead), std::vector<std::wstring>{L"b"});
}

TEST(TextFile, NarrowWriteIsUtf8) {
    fs::path path = test::FreshFolder("narrow") / "f";
    ASSERT_TRUE(WriteAll(path, L"\u00e9\n", CStdioFileEx::modeCreate | CStdioFileEx::modeWrite));
    EXPECT_EQ(ReadBytes(path), "\xC3\xA9\n");
}

} // namespace
} // namespace ferrox
