// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the programs open and what their saves replace: only regular files, without ever
// waiting on a fifo, and with the mode a file should keep or get.

#include "base/damaged_file.h"
#include "base/file_problems.h"
#include "base/file_replace.h"
#include "base/text_file.h"
#include "base/text_lines.h"
#include "odd_files.h"
#include "settings/test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <thread>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::Odd;
using test::ReadBytes;
using test::WriteBytes;

// Runs open in a thread and waits a while for it. An open() stuck on a fifo is then freed by
// a writer appearing, so a failing test ends instead of hanging.
bool OpensWithoutWaiting(const fs::path& path, const std::function<bool()>& open, bool& opened) {
    std::atomic<bool> done = false;
    std::thread opener([&] {
        opened = open();
        done = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const bool waited = !done;
    if (waited) {
        const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        opener.join();
        if (writer >= 0)
            ::close(writer);
    } else {
        opener.join();
    }
    return !waited;
}

bool Save(const fs::path& path, const std::wstring& line) {
    return WriteTextLines(path, {line});
}

std::optional<FileProblem> Noted(const fs::path& path, FileUse use) {
    for (const FileProblem& problem : NotedFileProblems())
        if (problem.path == path && problem.use == use)
            return problem;
    return std::nullopt;
}

class FileRules : public ::testing::Test {
protected:
    void SetUp() override { ForgetFileProblems(); }
    void TearDown() override {
        ForgetFileProblems();
        ReleaseHeldFiles();
    }
};

TEST_F(FileRules, OnlyRegularFilesAreReadAndNothingElseIsReplaced) {
    test::ForEachOddCase([](Odd odd) {
        const fs::path folder = test::FreshFolder("odd_files");
        const fs::path path = folder / "config.ini";
        test::MakeOdd(odd, path);
        const std::string shape = test::Shape(path);

        bool opened = true;
        CStdioFileEx reader;
        EXPECT_TRUE(OpensWithoutWaiting(
            path, [&] { return reader.Open(path, CStdioFileEx::kUnicodeRead); }, opened));
        EXPECT_FALSE(opened);
        const auto read = Noted(path, FileUse::Read);
        ASSERT_TRUE(read);

        EXPECT_FALSE(Save(path, L"[Setting]"));
        const auto saved = Noted(path, FileUse::Save);
        ASSERT_TRUE(saved);
        const std::string message = DescribeFileProblem(*saved);
        EXPECT_NE(message.find(path.string()), std::string::npos) << message;
        EXPECT_EQ(test::Shape(path), shape);
        // Nothing left behind beside it, nor beside what a link points at.
        for (const auto& entry : fs::directory_iterator(folder)) {
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
                << entry.path();
        }
    });
}

TEST_F(FileRules, ProblemsSayWhatWasFoundAndWhereALinkLeads) {
    const fs::path folder = test::FreshFolder("odd_messages");
    struct Row {
        Odd odd;
        std::string says;
    };
    const std::vector<Row> rows = {
        {Odd::Fifo, "could not be read: it is a named pipe, not a regular file"},
        {Odd::Folder, "could not be read: it is a folder, not a regular file"},
        {Odd::LinkToFifo, ".target, which is a named pipe, not a regular file"},
        {Odd::LinkToNothing, ".target, which does not exist"},
        {Odd::LinkLoop, "could not be read: Too many levels of symbolic links"},
    };
    for (const Row& row : rows) {
        const fs::path path = folder / ("f" + std::to_string(int(row.odd)));
        test::MakeOdd(row.odd, path);
        CStdioFileEx file;
        bool opened = true;
        ASSERT_TRUE(OpensWithoutWaiting(
            path, [&] { return file.Open(path, CStdioFileEx::kUnicodeRead); }, opened));
        const auto problem = Noted(path, FileUse::Read);
        ASSERT_TRUE(problem) << row.says;
        const std::string message = DescribeFileProblem(*problem);
        EXPECT_EQ(message.rfind(path.string(), 0), 0u) << message;
        EXPECT_NE(message.find(row.says), std::string::npos) << message;
    }
    // A missing file is no problem: it is the first run.
    CStdioFileEx file;
    EXPECT_FALSE(file.Open(folder / "missing", CStdioFileEx::kUnicodeRead));
    EXPECT_FALSE(Noted(folder / "missing", FileUse::Read));
}

TEST_F(FileRules, LinkChainsAreWrittenThroughToTheirFile) {
    const fs::path folder = test::FreshFolder("link_chain");
    fs::create_directories(folder / "real");
    ASSERT_TRUE(Save(folder / "real" / "f", L"old"));
    fs::create_symlink("real/f", folder / "inner");
    fs::create_symlink(folder / "inner", folder / "outer");
    ASSERT_TRUE(Save(folder / "outer", L"new"));
    EXPECT_TRUE(fs::is_symlink(folder / "outer"));
    EXPECT_TRUE(fs::is_symlink(folder / "inner"));
    EXPECT_EQ(ReadBytes(folder / "real" / "f"), ReadBytes(folder / "outer"));
    EXPECT_NE(ReadBytes(folder / "real" / "f").find('n'), std::string::npos);
    EXPECT_TRUE(NotedFileProblems().empty());
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

TEST_F(FileRules, HealthyFilesKeepTheirModeAndOthersGetAFreshOne) {
    const mode_t fresh = 0666 & ~CurrentUmask();
    struct Row {
        const char* name;
        std::optional<mode_t> before; // nothing: no file yet
        bool damaged;
        mode_t after;
    };
    const std::vector<Row> rows = {
        {"new file", std::nullopt, false, fresh},
        {"a user's private file", 0600, false, 0600},
        {"group-readable file", 0640, false, 0640},
        {"mode 000", 0000, false, fresh},
        {"write-only for its owner", 0200, false, fresh},
        {"damaged private file", 0600, true, fresh},
        {"damaged mode 000", 0000, true, fresh},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path path = test::FreshFolder("modes") / "config.ini";
        if (row.before) {
            WriteBytes(path, "broken");
            ASSERT_EQ(::chmod(path.c_str(), *row.before), 0);
        }
        if (row.damaged) {
            ASSERT_TRUE(KeepDamagedFile(path));
        }
        ASSERT_TRUE(Save(path, L"[Setting]"));
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, row.after);
        // Once replaced, the file is healthy again and keeps what its owner makes of it.
        ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
        ASSERT_TRUE(Save(path, L"[Setting]"));
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0604u);
    }
}

TEST_F(FileRules, WhatTakesTheFilesPlaceDuringASaveIsNotReplaced) {
    test::ForEachOddCase([](Odd odd) {
        const fs::path folder = test::FreshFolder("swapped");
        const fs::path path = folder / "p.psf";
        WriteBytes(path, "old");
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::kUnicodeWrite));
        file.WriteText(L"new\n");
        fs::remove(path);
        test::MakeOdd(odd, path);
        const std::string shape = test::Shape(path);
        EXPECT_FALSE(file.Close());
        EXPECT_EQ(test::Shape(path), shape);
        EXPECT_TRUE(Noted(path, FileUse::Save));
    });
}

TEST_F(FileRules, WholeFileReplacementFollowsTheSameRules) {
    const fs::path folder = test::FreshFolder("whole_file");
    FileProblem problem;
    fs::create_directories(folder / "real");
    WriteBytes(folder / "real" / "state", "old");
    ASSERT_EQ(::chmod((folder / "real" / "state").c_str(), 0600), 0);
    fs::create_symlink("real/state", folder / "state");
    ASSERT_TRUE(ReplaceFileBytes(folder / "state", "new", problem));
    EXPECT_TRUE(fs::is_symlink(folder / "state"));
    EXPECT_EQ(ReadBytes(folder / "real" / "state"), "new");
    EXPECT_EQ(fs::status(folder / "real" / "state").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    test::MakeOdd(Odd::Fifo, folder / "pipe");
    EXPECT_FALSE(ReplaceFileBytes(folder / "pipe", "new", problem));
    EXPECT_EQ(problem.found, fs::file_type::fifo);
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
}

} // namespace
} // namespace ferrox
