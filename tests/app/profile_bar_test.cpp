// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The profile bar on its own: a host that records what the bar asks of the window and answers
// the dialogs as a user would, over real configuration and profile files.

#include "app/profile_bar.h"
#include "app/window_data_folder.h"
#include "device/protocol/change_groups.h"
#include "settings/config_table.h"
#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace ferrox {
namespace {

struct RecordingHost : ProfileBarHost {
    int refreshes = 0;
    std::vector<unsigned> applies;
    std::vector<int> notices;
    int timerStarts = 0;
    std::optional<std::wstring> nextName;
    std::optional<std::filesystem::path> nextPath;
    std::filesystem::path askedFolder;
    std::filesystem::path proposal;
    std::optional<ProfileListRows> list;
    QRect listRect;
    int menuSlot = -1;
    QRect menuRect;
    bool menuFromList = false;

    void showProfileAgain() override { ++refreshes; }
    void scheduleApply(unsigned groups) override { applies.push_back(groups); }
    void showNotice(int textIndex, const char*) override { notices.push_back(textIndex); }
    void startActionTimer() override { ++timerStarts; }
    std::optional<std::wstring> askNewProfileName() override { return nextName; }
    std::optional<std::wstring> askProfileName(const std::wstring&) override { return nextName; }
    std::optional<std::filesystem::path> askImportPath(const std::filesystem::path& folder) override {
        askedFolder = folder;
        return nextPath;
    }
    std::optional<std::filesystem::path> askExportPath(const std::filesystem::path& p) override {
        proposal = p;
        return nextPath;
    }
    void openProfileList(const ProfileListRows& rows, const QRect& rect) override {
        list = rows;
        listRect = rect;
    }
    void openProfileMenu(int slot, const QRect& rect, bool fromList) override {
        menuSlot = slot;
        menuRect = rect;
        menuFromList = fromList;
    }
    bool profileListOpen() const override { return list.has_value(); }
    bool profileMenuOpen() const override { return menuSlot >= 0; }
    void closeProfileList() override { list.reset(); }
    void closeProfileMenu() override { menuSlot = -1; }
    int windowTop() const override { return 100; }
    int screenHeight() const override { return 1080; }
};

class ProfileBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::FreshWindowDataFolder(true);
        for (int s = 0; s < ProfileCount; ++s) {
            ResetProfile(Profiles[std::size_t(s)], unsigned(s));
            SetProfileValue(Profiles[std::size_t(s)], ProfileKey::ProfileName,
                            L"P" + std::to_wstring(s));
        }
        UiScale = 1;
    }
    void SetBar(int count, std::array<int, ProfileCount> slots, int current) {
        WriteProfileBar({count, slots});
        SetCurrentSlot(current);
    }
    // Chooses from the context menu and lets timer 60 run the action.
    void RunMenuAction(int slot, ProfileAction action) {
        bar.MenuResult(slot, int(action));
        EXPECT_EQ(host.timerStarts, 1);
        bar.RunPendingAction();
    }

    RecordingHost host;
    ProfileBar bar{host};
};

TEST_F(ProfileBarTest, ChooserFollowsTheBarListAndChoosesThroughIt) {
    SetBar(3, {2, 0, 1, 3, 4}, 0);
    bar.ChooserClicked(QRect(36, 700, 69, 20));
    ASSERT_TRUE(host.list);
    EXPECT_EQ(host.list->names[0], L"P2");
    EXPECT_EQ(host.list->names[1], L"P0");
    EXPECT_EQ(host.list->names[2], L"P1");
    EXPECT_EQ(host.list->names[3], L"");
    EXPECT_EQ(host.list->selected, 2); // slot 0 at position 1
    EXPECT_EQ(host.listRect, QRect(36, 519, 300, 300));

    bar.ListResult(2, 3, {}); // entry 3: position 1
    EXPECT_EQ(CurrentSlot(), 0);
    EXPECT_FALSE(host.list);
    ASSERT_EQ(host.applies.size(), 1u);
    EXPECT_EQ(host.applies[0], ChangeGroup::Keys | ChangeGroup::Settings);

    // Entries at or past the shown count, and the header, do nothing.
    for (LParam entry : {1, 5, 6}) {
        bar.ListResult(2, entry, {});
        EXPECT_EQ(CurrentSlot(), 0);
    }
    EXPECT_EQ(host.applies.size(), 1u);
}

TEST_F(ProfileBarTest, CurrentSlotOffTheBarSelectsNoEntry) {
    SetBar(2, {1, 2, 0, 3, 4}, 4);
    bar.ChooserClicked({});
    ASSERT_TRUE(host.list);
    EXPECT_EQ(host.list->selected, 0);
}

TEST_F(ProfileBarTest, ChooserOpensNothingWhileTheListWasOpenAtHover) {
    SetBar(3, {0, 1, 2, 3, 4}, 0);
    host.list = ProfileListRows{};
    bar.ChooserHovered();
    host.list.reset(); // the click that dismissed it
    bar.ChooserClicked({});
    EXPECT_FALSE(host.list);
}

TEST_F(ProfileBarTest, RemovingTheCurrentProfileIsRefused) {
    SetBar(3, {0, 1, 2, 3, 4}, 1);
    RunMenuAction(1, ProfileAction::Remove);
    EXPECT_EQ(host.notices, std::vector<int>{152});
    EXPECT_EQ(ReadProfileBar().count, 3);

    host.timerStarts = 0;
    RunMenuAction(0, ProfileAction::Remove);
    const ProfileBarList after = ReadProfileBar();
    EXPECT_EQ(after.count, 2);
    EXPECT_EQ(after.slots, (std::array<int, 5>{1, 2, 3, 4, 0}));
}

TEST_F(ProfileBarTest, TheSixthProfileIsRefusedFromTheListAndTheButton) {
    SetBar(5, {0, 1, 2, 3, 4}, 0);
    bar.ListResult(2, ProfileListEntry::AddNew, {});
    bar.RunPendingAction();
    bar.AddClicked();
    EXPECT_EQ(host.notices, (std::vector<int>{145, 145}));
}

TEST_F(ProfileBarTest, AddingUsesTheNextHiddenSlotWithTheName) {
    SetBar(2, {0, 1, 2, 3, 4}, 0);
    Profiles[2].lighting.mode = 7;
    host.nextName = L"Shooter";
    bar.ListResult(2, ProfileListEntry::AddNew, {});
    bar.RunPendingAction();
    EXPECT_EQ(ReadProfileBar().count, 3);
    EXPECT_EQ(ProfileValue(Profiles[2], ProfileKey::ProfileName), L"Shooter");
    EXPECT_NE(Profiles[2].lighting.mode, 7); // reset before it was named

    host.nextName.reset(); // cancelled
    bar.AddClicked();
    EXPECT_EQ(ReadProfileBar().count, 3);
}

TEST_F(ProfileBarTest, AFailedImportKeepsTheSlot) {
    SetBar(3, {0, 1, 2, 3, 4}, 0);
    const auto bad = DataFolder / "broken.psf";
    std::ofstream(bad) << "not a profile";
    host.nextPath = bad;
    bar.ImportClicked();
    EXPECT_EQ(host.notices, std::vector<int>{157});
    EXPECT_EQ(ProfileValue(Profiles[0], ProfileKey::ProfileName), L"P0");
    EXPECT_TRUE(host.applies.empty());
}

TEST_F(ProfileBarTest, ImportIntoTheCurrentSlotSendsEverything) {
    SetBar(3, {0, 1, 2, 3, 4}, 0);
    const auto file = DataFolder / "other.psf";
    SetProfileValue(Profiles[1], ProfileKey::ProfileName, L"Imported");
    ASSERT_TRUE(WriteProfileFile(1, file));
    host.nextPath = file;
    bar.ImportClicked();
    EXPECT_EQ(ProfileValue(Profiles[0], ProfileKey::ProfileName), L"Imported");
    EXPECT_EQ(host.applies, std::vector<unsigned>{ChangeGroup::Device});
    EXPECT_EQ(bar.LastFolder(), DataFolder);

    // Into another slot: nothing is sent; the next dialog starts in the folder used.
    host.applies.clear();
    RunMenuAction(2, ProfileAction::Import);
    EXPECT_EQ(ProfileValue(Profiles[2], ProfileKey::ProfileName), L"Imported");
    EXPECT_TRUE(host.applies.empty());
    EXPECT_EQ(host.askedFolder, DataFolder);
}

TEST_F(ProfileBarTest, ExportProposesTheNameAndAddsTheExtension) {
    SetBar(3, {0, 1, 2, 3, 4}, 0);
    SetProfileValue(Profiles[0], ProfileKey::ProfileName, L"FPS/Fast");
    host.nextPath = DataFolder / "mine";
    bar.ExportClicked();
    EXPECT_EQ(host.proposal.filename(), "FPS_Fast.psf");
    EXPECT_TRUE(std::filesystem::exists(DataFolder / "mine.psf"));
    EXPECT_TRUE(host.notices.empty());

    host.nextPath = DataFolder / "no-such-folder" / "x.psf";
    bar.ExportClicked();
    EXPECT_EQ(host.notices, std::vector<int>{-1});
}

TEST_F(ProfileBarTest, ContextMenuOpensForTheTabsSlotAndIsLiftedAtTheScreenEdge) {
    SetBar(3, {0, 1, 2, 3, 4}, 0);
    bar.TabRightClicked(2, QRect(300, 480, 162, 21));
    EXPECT_EQ(host.menuSlot, 2); // not current, still its own menu
    EXPECT_EQ(host.menuRect.topLeft(), QPoint(461, 481));

    // Window top 100 + 1000 + 94 passes the screen's 1080.
    bar.TabRightClicked(2, QRect(300, 1000, 162, 21));
    EXPECT_EQ(host.menuRect.top(), 1080 - 100 - 74);

    bar.ListResult(11, 3, QRect(36, 700, 69, 20)); // right click on entry 3: slot 1
    EXPECT_EQ(host.menuSlot, 1);
    EXPECT_TRUE(host.menuFromList);
    EXPECT_EQ(host.menuRect.topLeft(), QPoint(261, 569));
}

TEST_F(ProfileBarTest, TheListStaysWhileItsContextMenuIsOpen) {
    SetBar(3, {0, 1, 2, 3, 4}, 0);
    bar.ChooserClicked({});
    bar.ListResult(11, 2, {});
    bar.ListDismissed();
    EXPECT_TRUE(host.list);
    bar.MenuDismissed();
    EXPECT_FALSE(host.list);
}

TEST_F(ProfileBarTest, FileNames) {
    EXPECT_EQ(ExportFileName(L""), L"profile.psf");
    EXPECT_EQ(ExportFileName(L".."), L"profile.psf");
    EXPECT_EQ(WithProfileExtension("/a/b.psf"), "/a/b.psf");
    EXPECT_EQ(WithProfileExtension("/a/b.txt"), "/a/b.txt");
    EXPECT_EQ(WithProfileExtension("/a/b"), "/a/b.psf");
}

} // namespace
} // namespace ferrox
