// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a slot path stored in config.ini means: a copied or moved data folder uses its own
// profiles, and a path cut short names none.

#include "settings/config_file.h"
#include "settings/settings_fixture.h"
#include "settings/slot_path.h"

#include "base/path_text.h"

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::Utf16le;
using test::WriteBytes;

TEST(SlotPath, AnotherDataFoldersSlotFilesAreThisOnesOwn) {
    const fs::path base = test::FreshFolder("slot_path");
    const fs::path here = base / "copy";
    const fs::path there = base / "original";
    fs::create_directories(here / "config");
    fs::create_directories(there / "config");
    WriteBytes(here / "config" / "default2.psf", "mine");
    WriteBytes(there / "config" / "default2.psf", "theirs");
    WriteBytes(base / "kept.psf", "elsewhere");
    fs::create_symlink(here, base / "link");
    struct Case {
        const char* name;
        int slot;
        fs::path stored;
        fs::path meant;
    };
    const Case cases[] = {
        {"another folder's slot file, still there", 2, there / "config" / "default2.psf",
         here / "config" / "default2.psf"},
        {"another folder's slot file, gone", 3, base / "gone" / "config" / "default3.psf",
         here / "config" / "default3.psf"},
        {"its number is the file's", 1, there / "config" / "default4.psf",
         here / "config" / "default4.psf"},
        {"this folder's own", 2, here / "config" / "default2.psf", here / "config" / "default2.psf"},
        {"this folder by another name", 2, base / "link" / "config" / "default2.psf",
         base / "link" / "config" / "default2.psf"},
        {"a file of the user's that is there", 2, base / "kept.psf", base / "kept.psf"},
        {"no slot number", 4, there / "config" / "default5.psf", there / "config" / "default5.psf"},
        {"not in a config folder", 2, base / "profiles" / "default2.psf",
         here / "config" / "default2.psf"},
        {"gone, and this folder has no such file", 4, base / "gone.psf", base / "gone.psf"},
        {"gone, and this folder has the slot's file", 2, base / "gone.psf",
         here / "config" / "default2.psf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OwnSlotPath(here, c.slot, c.stored), c.meant) << c.name;
    // Not in a config folder and there: kept as it is.
    fs::create_directories(base / "profiles");
    WriteBytes(base / "profiles" / "default2.psf", "the user's");
    EXPECT_EQ(OwnSlotPath(here, 2, base / "profiles" / "default2.psf"),
              base / "profiles" / "default2.psf");
}

TEST(SlotPath, OnlyAbsoluteProfileFilePathsNameAFile) {
    EXPECT_EQ(CheckSlotPath("/home/u/.config/x/config/default3.psf"), std::nullopt);
    EXPECT_EQ(CheckSlotPath("/home/u/Profile.PSF"), std::nullopt);
    EXPECT_EQ(CheckSlotPath("/home/u/.config/Gam"), SlotPathFault::NotProfileFile);
    EXPECT_EQ(CheckSlotPath("/home/u/.psf"), SlotPathFault::NotProfileFile);
    EXPECT_EQ(CheckSlotPath("/home/u/default3.ps"), SlotPathFault::NotProfileFile);
    EXPECT_EQ(CheckSlotPath("default3.psf"), SlotPathFault::NotAbsolute);
    EXPECT_EQ(CheckSlotPath(""), SlotPathFault::NotAbsolute);
}

class SlotPathLoad : public test::SettingsStores {
protected:
    // config.ini as the program writes it, with the bar at two and slot 1 current.
    std::string ConfigText(const fs::path& folder) const {
        std::string text = "[Setting]\nNeedPassword=0\nSensor=0x3325\nPreST=0xCCDA\n"
                           "Mac_ID=0xFFFFFFFF\nDataChange=0x1234\nCurrentProfile=1\n"
                           "ProfileShowCount=2\n";
        for (int i = 0; i < 5; ++i)
            text += "ProfileShowList" + std::to_string(i) + "=" + std::to_string(4 - i) + "\n";
        for (int i = 0; i < 5; ++i)
            text += "ProfileSlot" + std::to_string(i) + "URL=" +
                    (folder / "config" / ("default" + std::to_string(i) + ".psf")).string() + "\n";
        return text;
    }
};

// A copy made with cp -a: the copy's profiles are read and written, the original is untouched,
// and the next save stores the copy's own paths.
TEST_F(SlotPathLoad, CopiedFolderUsesItsOwnProfiles) {
    const fs::path original = DataFolder / "original";
    const fs::path copy = DataFolder / "copy";
    DataFolder = original;
    ASSERT_FALSE(LoadConfig());
    fs::copy(original, copy, fs::copy_options::recursive);
    DataFolder = copy;
    ResetStores();
    SetProfileValue(Profiles[3], ProfileKey::ProfileName, L"Copy's own");
    ASSERT_TRUE(WriteProfileFile(3, copy / "config" / "default3.psf"));
    const std::string originalThree = ReadBytes(original / "config" / "default3.psf");

    ResetStores();
    ASSERT_TRUE(LoadConfig());
    EXPECT_EQ(ProfileSlotPath(3), copy / "config" / "default3.psf");
    EXPECT_EQ(ProfileValue(Profiles[3], ProfileKey::ProfileName), L"Copy's own");
    ASSERT_TRUE(SaveConfig());
    ASSERT_TRUE(SaveAllProfiles());
    EXPECT_EQ(ReadBytes(original / "config" / "default3.psf"), originalThree);
    const std::string written = ReadBytes(copy / "config" / "config.ini");
    EXPECT_EQ(written.find(Utf16le(original.string())), std::string::npos);
    EXPECT_NE(written.find(Utf16le("ProfileSlot3URL=" + (copy / "config" / "default3.psf").string())),
              std::string::npos);

    // Moved: the original is gone and is not made again.
    fs::remove_all(original);
    ResetStores();
    WriteBytes(copy / "config" / "config.ini", Unicode(ConfigText(original)));
    ASSERT_TRUE(LoadConfig());
    EXPECT_EQ(ProfileValue(Profiles[3], ProfileKey::ProfileName), L"Copy's own");
    ASSERT_TRUE(SaveAllProfiles());
    EXPECT_FALSE(fs::exists(original));
}

// Cut inside the path of slot 3: that slot falls back to its default file, the rest stays.
TEST_F(SlotPathLoad, PathCutShortFallsBackAloneAndIsTold) {
    const std::string text = ConfigText(DataFolder);
    const std::string cut = text.substr(0, text.find("default3.psf") - 4);
    fs::create_directories(ConfigFolder());
    WriteBytes(Config("config.ini"), Unicode(cut));
    ConfigLoadReport report;
    EXPECT_TRUE(LoadConfig(&report));
    ASSERT_EQ(report.fallbacks.size(), 1u);
    EXPECT_EQ(report.fallbacks[0].slot, 3);
    EXPECT_EQ(report.fallbacks[0].fault, SlotPathFault::NotProfileFile);
    EXPECT_EQ(ProfileSlotPath(3), Config("default3.psf"));
    EXPECT_EQ(ProfileSlotPath(4), Config("default4.psf"));
    EXPECT_EQ(CurrentSlot(), 1);
    EXPECT_EQ(ReadProfileBar().count, 2);
    EXPECT_EQ(ReadProfileBar().slots[0], 4);
    // Nothing was written where the cut path points.
    EXPECT_FALSE(fs::exists(TextPath(report.fallbacks[0].stored)));
}

} // namespace
} // namespace ferrox
