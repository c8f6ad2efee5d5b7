// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/damaged_file.h"
#include "base/text_file.h"
#include "settings/test_support.h"

#include "run_as_nobody.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

bool Save(const fs::path& path, const std::wstring& text) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kUnicodeWrite))
        return false;
    file.WriteText(text);
    return file.Close();
}

// The kept file shares the damaged one's storage until a save replaces the damaged file, and
// then still holds the old bytes.
TEST(DamagedFile, KeptContentsSurviveTheNextSave) {
    const fs::path folder = test::FreshFolder("damaged_kept");
    const fs::path path = folder / "MacroLibraryFile.mlf";
    WriteBytes(path, "broken bytes");
    ASSERT_TRUE(KeepDamagedFile(path));
    EXPECT_TRUE(fs::equivalent(path, folder / "MacroLibraryFile.mlf.damaged"));
    ASSERT_TRUE(Save(path, L"fresh\n"));
    EXPECT_EQ(ReadBytes(folder / "MacroLibraryFile.mlf.damaged"), "broken bytes");
    EXPECT_EQ(ReadBytes(path), test::kBom + test::Utf16le("fresh\n"));
}

// A second damage must not cost the copy of the first; only the oldest beyond five go.
TEST(DamagedFile, EveryDamageGetsItsOwnCopyAndTheLastFiveStay) {
    const fs::path folder = test::FreshFolder("damaged_numbered");
    const fs::path path = folder / "default2.psf";
    WriteBytes(folder / "default2.psf.damaged.notes", "not a copy");
    WriteBytes(folder / "default1.psf.damaged", "another file's copy");
    for (int damage = 1; damage <= 7; ++damage) {
        WriteBytes(path, "damage " + std::to_string(damage));
        ASSERT_TRUE(KeepDamagedFile(path)) << damage;
        ASSERT_TRUE(Save(path, L"fresh\n"));
        if (damage == 2) {
            EXPECT_EQ(ReadBytes(folder / "default2.psf.damaged"), "damage 1");
            EXPECT_EQ(ReadBytes(folder / "default2.psf.damaged.2"), "damage 2");
        }
    }
    EXPECT_FALSE(fs::exists(folder / "default2.psf.damaged"));
    EXPECT_FALSE(fs::exists(folder / "default2.psf.damaged.2"));
    for (int copy = 3; copy <= 7; ++copy)
        EXPECT_EQ(ReadBytes(folder / ("default2.psf.damaged." + std::to_string(copy))),
                  "damage " + std::to_string(copy));
    EXPECT_EQ(ReadBytes(folder / "default2.psf.damaged.notes"), "not a copy");
    EXPECT_EQ(ReadBytes(folder / "default1.psf.damaged"), "another file's copy");
}

// When no copy can be kept, the file is held: no save of the program replaces it.
TEST(DamagedFile, FileThatCannotBeKeptIsNeverReplaced) {
    if (!test::CanRunAsNobody())
        GTEST_SKIP() << "needs root to make a file of another user";
    const fs::path folder = test::FreshFolder("damaged_held");
    const fs::path path = folder / "config.ini";
    test::MakeForeignFile(path, "the user's own settings");
    const int status = test::RunAsNobody([&] {
        if (KeepDamagedFile(path))
            return 1;
        if (!IsHeldFile(path) || !IsHeldFile(folder / "." / "config.ini"))
            return 2;
        if (HeldFiles() != std::vector<fs::path>{path})
            return 3;
        if (Save(path, L"[Setting]\n"))
            return 4;
        ReleaseHeldFiles();
        return IsHeldFile(path) ? 5 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(path), "the user's own settings");
    EXPECT_FALSE(fs::exists(folder / "config.ini.damaged"));
}

TEST(DamagedFile, LinksKeepWhatTheyPointAtAndNothingIsKeptOfNoFile) {
    const fs::path folder = test::FreshFolder("damaged_link");
    WriteBytes(folder / "real.psf", "broken");
    fs::create_symlink("real.psf", folder / "link.psf");
    ASSERT_TRUE(KeepDamagedFile(folder / "link.psf"));
    ASSERT_TRUE(Save(folder / "link.psf", L"fresh\n"));
    EXPECT_FALSE(fs::is_symlink(folder / "link.psf.damaged"));
    EXPECT_EQ(ReadBytes(folder / "link.psf.damaged"), "broken");

    EXPECT_FALSE(KeepDamagedFile(folder / "absent.psf"));
    EXPECT_FALSE(KeepDamagedFile(folder));
    EXPECT_FALSE(KeepDamagedFile({}));
    EXPECT_FALSE(fs::exists(folder / "absent.psf.damaged"));
}

// A file that stays damaged run after run (it cannot be replaced, or the same fault spoils it
// the same way) is kept once: copies of other damage are not pushed out by it.
TEST(DamagedFile, TheSameContentsAreKeptOnce) {
    const fs::path folder = test::FreshFolder("damaged_once");
    const fs::path path = folder / "config.ini";
    WriteBytes(path, "first damage");
    ASSERT_TRUE(KeepDamagedFile(path));
    ASSERT_TRUE(Save(path, L"fresh\n"));
    WriteBytes(path, "second damage");
    for (int run = 0; run < 7; ++run)
        ASSERT_TRUE(KeepDamagedFile(path)) << "the same file, run " << run;
    ASSERT_TRUE(Save(path, L"fresh\n"));
    WriteBytes(path, "second damage");
    ASSERT_TRUE(KeepDamagedFile(path)) << "the same bytes again";
    std::vector<std::string> kept;
    for (const auto& entry : fs::directory_iterator(folder))
        kept.push_back(entry.path().filename().string());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{"config.ini", "config.ini.damaged",
                                              "config.ini.damaged.2"}));
    EXPECT_EQ(ReadBytes(folder / "config.ini.damaged"), "first damage");
    EXPECT_EQ(ReadBytes(folder / "config.ini.damaged.2"), "second damage");
}

} // namespace
} // namespace ferrox
