// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The key buttons' function menus through the real window: every choice reaches the button
// that opened the menu, the current profile, the virtual mouse (byte for byte) and the saved
// profile; submenus follow the pointer; clicks elsewhere close everything; dialog entries
// start their dialog only once the menu has gone. And where the menus open on a screen.

#include "app/app_messages.h"
#include "app/dialogs/attention_dlg.h"
#include "app/dialogs/fire_key_dlg.h"
#include "app/dialogs/shortcut_dlg.h"
#include "app/macro_dialogs/macro_select_dlg.h"
#include "app/main_window/key_menus.h"
#include "app/main_window/lighting_section.h"
#include "app/main_window/main_window_parts.h"
#include "app/main_window/main_layout.h"
#include "app/menus/function_menus.h"
#include "app/menus/menu_placement.h"
#include "buttons/function_presets.h"
#include "device/protocol/command_images.h"
#include "device/protocol/frame.h"
#include "lang/language_loader.h"
#include "lang/language_table.h"
#include "modal_driver.h"
#include "settings/profile_file.h"
#include "settings/settings_saves.h"
#include "ui/combo_button.h"
#include "dialog_test.h"
#include "window_fixture.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace ferrox {
namespace {

namespace M = FunctionMenuMessage;

// The key table frame of one device position: 0C 01 04 00 00 01, length 4, position, code.
Frame KeyFrame(int slot, ButtonFunction code) {
    const std::uint8_t position = std::uint8_t(KeySlotOfPosition(slot)); // 3 and 4 swap back
    const std::uint8_t payload[] = {position, code.category, code.param1, code.param2};
    Frame frame{};
    const std::uint8_t head[] = {0x0C, 0x01, 0x04, 0x00, 0x00, 0x01, 4};
    std::copy(std::begin(head), std::end(head), frame.begin());
    std::copy(std::begin(payload), std::end(payload), frame.begin() + 7);
    return frame;
}

// The key frames received, their sequence numbers (byte 4, the worker's count of frames
// written) left out.
std::vector<Frame> KeyFrames(const std::vector<Frame>& frames) {
    std::vector<Frame> keys;
    for (Frame frame : frames)
        if (frame[2] == 0x04) {
            frame[4] = 0;
            keys.push_back(frame);
        }
    return keys;
}

// Every file of the data folder but the language choice, by path.
std::map<std::filesystem::path, std::string> DataFiles() {
    std::map<std::filesystem::path, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DataFolder)) {
        if (!entry.is_regular_file() || entry.path() == LanguageSettingPath())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

class KeyMenus : public test::WindowTest {
protected:
    void StartQuiet() {
        StartWindow();
        FireTimer(kApplyTimer); // the start-up apply goes first
        ClearReceivedFrames();
    }
    CComboButton* Combo(int slot) {
        return Window().FindControlAs<CComboButton>(MainId::KeyCombo + slot);
    }
    // Clicks the key button of the slot; the function menu it opened.
    CComboPopup* OpenMenu(int slot) {
        test::DesktopClick(&Window(), Combo(slot)->GetBounds().center());
        Settle();
        return dynamic_cast<CComboPopup*>(Window().Popup(0));
    }
    CWndPopup* Submenu(int slot) { return dynamic_cast<CWndPopup*>(Window().Popup(slot)); }
    static void Hover(CWndPopup* popup, int row) {
        test::DesktopMove(popup, popup->items[std::size_t(row)].rect.center());
        Settle();
    }
    static void DeleteClosed() {
        Settle();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool AnyPopupOpen() {
        for (int slot = 0; slot < CDlgBase::PopupSlotCount; ++slot)
            if (Window().Popup(slot))
                return true;
        return QApplication::activePopupWidget() != nullptr;
    }
    // Applies and saves what the window holds, as its timers would.
    void ApplyAndSave() {
        FireTimer(kApplyTimer);
        FireTimer(kSaveTimer);
    }
};

TEST_F(KeyMenus, AChoiceGoesToTheButtonTheMouseAndTheSavedProfile) {
    StartQuiet();
    CComboPopup* menu = OpenMenu(1);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Combo(1)->PopupOpen());
    EXPECT_EQ(menu->OwnerId(), MainId::KeyCombo + 1);
    ChooseRow(menu, 2); // middle button
    EXPECT_EQ(Combo(1)->GetText(), LanguageText(22));
    EXPECT_FALSE(Combo(1)->PopupOpen());
    EXPECT_EQ(Profile().keys[1].function, MakeFunction(FunctionCategory::MouseButton, 0x04));
    EXPECT_EQ(Profile().keys[1].name, LanguageText(22));
    DeleteClosed();
    EXPECT_FALSE(AnyPopupOpen());

    ApplyAndSave();
    EXPECT_EQ(KeyFrames(ReceivedFrames()),
              (std::vector<Frame>{KeyFrame(1, MakeFunction(FunctionCategory::MouseButton, 4))}));
    SettingsSaves().Wait(); // the timer's save is written on the saving thread
    ProfileSettings saved;
    ASSERT_TRUE(LoadProfileFile(ProfileSlotPath(CurrentSlot()), saved));
    EXPECT_EQ(saved.keys[1].function, MakeFunction(FunctionCategory::MouseButton, 0x04));
}

struct Pick {
    int row;
    int subRow; // -1: the row itself
    ButtonFunction code;
};

template <std::size_t N>
void AddSubmenu(std::vector<Pick>& picks, int entry, const std::array<FunctionCode, N>& table) {
    for (std::size_t k = 0; k < N; ++k)
        picks.push_back({entry - 1, int(k), table[k].function});
}

// Every fixed function the menus offer but the left click, by the way a user reaches it.
std::vector<Pick> MenuFunctions() {
    std::vector<Pick> picks;
    for (int row = 1; row < int(FunctionMenuPresets.size()); ++row)
        if (FunctionMenuPresets[std::size_t(row)].action == PresetAction::Assign)
            picks.push_back({row, -1, FunctionMenuPresets[std::size_t(row)].function});
    AddSubmenu(picks, 6, DpiSwitchPresets);
    AddSubmenu(picks, 11, MultimediaPresets);
    AddSubmenu(picks, 12, OfficePresets);
    AddSubmenu(picks, 13, WindowsPresets);
    for (int k = 1; k <= int(DpiLockLabels.size()); ++k)
        picks.push_back({14, k - 1, DpiLockFunction(k)});
    return picks;
}

// Every menu function goes to a button, the buttons in turn, and reaches the mouse as exactly
// one key frame; what the buttons hold at the end survives a restart.
TEST_F(KeyMenus, EveryMenuFunctionReachesTheMouseFromEveryButtonAndSurvivesARestart) {
    StartQuiet();
    const auto choose = [&](int slot, const Pick& pick) {
        SCOPED_TRACE(testing::Message() << "slot " << slot << " row " << pick.row << "/"
                                        << pick.subRow);
        const bool changes = Profile().keys[std::size_t(slot)].function != pick.code;
        CComboPopup* menu = OpenMenu(slot);
        ASSERT_NE(menu, nullptr);
        if (pick.subRow < 0) {
            ChooseRow(menu, pick.row);
        } else {
            Hover(menu, pick.row);
            auto* sub = dynamic_cast<CWndPopup*>(QApplication::activePopupWidget());
            ASSERT_NE(sub, nullptr);
            ASSERT_NE(sub, menu);
            ChooseRow(sub, pick.subRow);
        }
        DeleteClosed();
        EXPECT_FALSE(AnyPopupOpen());
        EXPECT_EQ(Profile().keys[std::size_t(slot)].function, pick.code);
        FireTimer(kApplyTimer);
        EXPECT_EQ(KeyFrames(ReceivedFrames()),
                  changes ? std::vector<Frame>{KeyFrame(slot, pick.code)} : std::vector<Frame>{});
        ClearReceivedFrames();
    };
    const Pick leftClick{0, -1, LeftClickFunction};
    choose(6, leftClick); // so slot 0 may give its left click away
    const std::vector<Pick> picks = MenuFunctions();
    for (std::size_t i = 0; i < picks.size(); ++i)
        choose(int(i % 6), picks[i]);
    choose(0, leftClick);
    choose(6, picks[0]);

    // The last DPI lock row went to a button: its name says what is locked.
    const auto lockedSlot = std::size_t((picks.size() - 1) % 6);
    EXPECT_EQ(Profile().keys[lockedSlot].function, (ButtonFunction{0x50, 0x0B, 0x00}));
    EXPECT_EQ(Profile().keys[lockedSlot].name, LanguageText(36) + L"-1200");

    const KeyTable chosen = Profile().keys;
    FireTimer(kSaveTimer);
    RestartWindow();
    for (std::size_t slot = 0; slot < chosen.size(); ++slot) {
        EXPECT_EQ(Profile().keys[slot].function, chosen[slot].function);
        EXPECT_EQ(Profile().keys[slot].name, chosen[slot].name);
        EXPECT_EQ(Combo(int(slot))->GetText(), chosen[slot].name);
    }
}

// A profile saved while the window spoke English is shown in Russian after the language
// changed, as ferroxctl language RU changes it; its files keep the names they were saved with.
TEST_F(KeyMenus, NamesFollowTheLanguageAndTheFilesKeepTheirs) {
    StartWindow({.language = L"EN"});
    KeyTable& keys = Profile().keys;
    keys[3].Assign(LanguageText(36) + L"-800", DpiLockFunction(7), nullptr);
    keys[4].Assign(L"Win+E", MakeFunction(FunctionCategory::KeyCombo, ModifierBit::Win, 0x08),
                   nullptr);
    Profile().lighting.mode = 1;
    Profile().lighting.name = LanguageText(100);
    FireTimer(kSaveTimer);
    SettingsSaves().Wait(); // the timer's save is written on the saving thread
    const std::wstring englishLeft = LanguageText(20);
    const auto saved = DataFiles();
    const std::filesystem::path folder = DataFolder;

    StartWindow({.language = L"RU", .folder = folder});
    ASSERT_NE(LanguageText(20), englishLeft) << "the Russian texts were not loaded";
    EXPECT_EQ(Profile().keys[0].name, englishLeft) << "the profile holds what was saved";
    EXPECT_EQ(Combo(0)->GetText(), LanguageText(20));
    EXPECT_EQ(Combo(3)->GetText(), LanguageText(36) + L"-800");
    EXPECT_EQ(Combo(4)->GetText(), L"Super+E");
    EXPECT_EQ(Combo(5)->GetText(), LanguageText(40));
    EXPECT_EQ(Window().FindControl(MainId::LightingMenu)->GetText(), LanguageText(100));
    CloseWindow();
    EXPECT_EQ(DataFiles(), saved);
}

TEST_F(KeyMenus, TakingTheLastLeftClickIsUndoneWithANoticeAndNothingSent) {
    StartQuiet();
    ChooseRow(OpenMenu(0), 1); // right button on the only left click
    EXPECT_EQ(Profile().keys[0].function, LeftClickFunction);
    EXPECT_EQ(Profile().keys[0].name, LanguageText(20));
    EXPECT_EQ(Combo(0)->GetText(), LanguageText(20));
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer));
    if (Window().IsTimerActive(kLeftClickNoticeTimer)) { // unless its 100 ms went by already
        EXPECT_EQ(Window().Notices().AttentionWindow(), nullptr) << "the notice waits for its timer";
        FireTimer(kLeftClickNoticeTimer);
    }
    auto* notice = dynamic_cast<CAttentionDlg*>(Window().Notices().AttentionWindow());
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->Message(), LanguageText(151));
    notice->close();
    FireTimer(kApplyTimer);
    EXPECT_TRUE(KeyFrames(ReceivedFrames()).empty());

    // 10 01 07 is a left click too.
    Profile().keys[3].function = {0x10, 0x01, 0x07};
    ChooseRow(OpenMenu(0), 1);
    EXPECT_EQ(Profile().keys[0].function, MakeFunction(FunctionCategory::MouseButton, 2));
    FireTimer(kApplyTimer);
    const std::vector<Frame> frames = KeyFrames(ReceivedFrames());
    EXPECT_NE(std::find(frames.begin(), frames.end(),
                        KeyFrame(0, MakeFunction(FunctionCategory::MouseButton, 2))),
              frames.end());
}

TEST_F(KeyMenus, SubmenusFollowThePointerAndAClickElsewhereClosesBoth) {
    StartQuiet();
    CComboPopup* menu = OpenMenu(2);
    Hover(menu, 5); // DPI
    QPointer<CWndPopup> dpi = Submenu(1);
    ASSERT_TRUE(dpi);
    EXPECT_EQ(dpi->Kind(), PopupKind::DpiMenu);
    EXPECT_EQ(dpi->OpenedFrom(), menu);
    Hover(menu, 6); // the fire key row has no submenu
    EXPECT_EQ(Submenu(1), nullptr);
    DeleteClosed();
    EXPECT_FALSE(dpi);

    Hover(menu, 10); // multimedia
    QPointer<CWndPopup> media = Submenu(2);
    ASSERT_TRUE(media);
    Hover(menu, 10); // the same row again opens nothing new
    EXPECT_EQ(Submenu(2), media.data());
    Hover(media, 3); // into the submenu: both stay
    EXPECT_EQ(Window().Popup(0), menu);
    EXPECT_EQ(media->hoverIndex, 3);
    EXPECT_TRUE(Combo(2)->PopupOpen());

    ClickAt(1000, 700); // outside both
    DeleteClosed();
    EXPECT_FALSE(AnyPopupOpen());
    EXPECT_FALSE(Combo(2)->PopupOpen());
    EXPECT_EQ(Profile().keys[2].function, MakeFunction(FunctionCategory::MouseButton, 4));

    menu = OpenMenu(2); // a menu alone, dismissed
    ClickAt(1000, 700);
    DeleteClosed();
    EXPECT_FALSE(AnyPopupOpen());
    EXPECT_FALSE(Combo(2)->PopupOpen());
}

TEST_F(KeyMenus, EscapeClosesOneLevelAndTheCompositorTheWholeChain) {
    StartQuiet();
    CComboPopup* menu = OpenMenu(4);
    Hover(menu, 12); // windows
    ASSERT_NE(Submenu(4), nullptr);
    Hover(menu, 12); // the pointer back on the menu, Escape there
    Key(Qt::Key_Escape);
    DeleteClosed();
    EXPECT_EQ(Submenu(4), nullptr);
    EXPECT_EQ(Window().Popup(0), menu);
    EXPECT_TRUE(Combo(4)->PopupOpen());

    Hover(menu, 11); // office
    ASSERT_NE(Submenu(3), nullptr);
    menu->windowHandle()->close(); // as a Wayland compositor ends a popup chain
    DeleteClosed();
    EXPECT_FALSE(AnyPopupOpen());
    EXPECT_FALSE(Combo(4)->PopupOpen());
}

TEST_F(KeyMenus, DialogEntriesOpenTheirDialogAfterTheMenuHasGone) {
    StartQuiet();
    test::ModalDriver driver;
    bool menuGone = false;
    driver.When<CShortcutDlg>([&](CShortcutDlg& dialog) {
        menuGone = QApplication::activePopupWidget() == nullptr && !Window().Popup(0);
        test::DesktopClick(&dialog, dialog.FindControl(CShortcutDlg::CtrlId)->GetBounds().center());
        QTest::keyClick(&dialog, Qt::Key_A);
        QApplication::processEvents();
        test::DesktopClick(&dialog, dialog.FindControl(CShortcutDlg::OkId)->GetBounds().center());
    });
    ChooseRow(OpenMenu(3), FunctionMenuEntry::Shortcut - 1);
    EXPECT_FALSE(Combo(3)->PopupOpen());
    Settle();
    ASSERT_TRUE(driver.Ran());
    EXPECT_TRUE(menuGone);
    EXPECT_EQ(Profile().keys[3].function, MakeFunction(FunctionCategory::KeyCombo, 0x01, 0x04));
    EXPECT_EQ(Profile().keys[3].name, L"Ctrl+A");
    EXPECT_EQ(Combo(3)->GetText(), L"Ctrl+A");

    test::ModalDriver fire;
    fire.When<CFireKeyDlg>([&](CFireKeyDlg& dialog) {
        dialog.SecondEdit()->setText(QStringLiteral("7"));
        test::DesktopClick(&dialog, dialog.FindControl(CFireKeyDlg::OkId)->GetBounds().center());
    });
    ChooseRow(OpenMenu(4), FunctionMenuEntry::FireKey - 1);
    Settle();
    ASSERT_TRUE(fire.Ran());
    EXPECT_EQ(Profile().keys[4].function, MakeFunction(FunctionCategory::FireKey, 50, 7));
    EXPECT_EQ(Profile().keys[3].name, L"Ctrl+A") << "the earlier button is left alone";

    FireTimer(kApplyTimer);
    std::vector<Frame> frames = KeyFrames(ReceivedFrames());
    std::sort(frames.begin(), frames.end()); // one apply or two, as the clock went
    EXPECT_EQ(frames,
              (std::vector<Frame>{KeyFrame(4, MakeFunction(FunctionCategory::FireKey, 50, 7)),
                                  KeyFrame(3, MakeFunction(FunctionCategory::KeyCombo, 1, 4))}))
        << "the mouse numbers the side buttons the other way round";
}

TEST_F(KeyMenus, TheMacroEntryRemembersItsButtonForTheSelection) {
    StartQuiet();
    test::ModalDriver driver;
    bool menuGone = false;
    driver.When<CMacroSelectDlg>([&](CMacroSelectDlg& dialog) {
        menuGone = QApplication::activePopupWidget() == nullptr && !Window().Popup(0);
        dialog.EndDialog(IDCANCEL);
    });
    ChooseRow(OpenMenu(5), FunctionMenuEntry::Macro - 1);
    Settle();
    ASSERT_TRUE(driver.Ran());
    EXPECT_TRUE(menuGone);
    EXPECT_FALSE(AnyPopupOpen());
    EXPECT_EQ(Window().Parts().keys.Menus().DialogButton(), MainId::KeyCombo + 5);

    MacroKey macro(L"Burst");
    macro.MacroKeyIndex = 77;
    Window().Parts().keys.Menus().ApplyDialogChoice(L"Macro-Burst", MakeFunction(FunctionCategory::Macro),
                                          &macro);
    EXPECT_EQ(Combo(5)->GetText(), L"Macro-Burst");
    EXPECT_EQ(Profile().keys[5].macroKeyIndex, 77u);
    EXPECT_TRUE(Window().IsTimerActive(kApplyTimer));
}

TEST_F(KeyMenus, MenusOpenWholeOnTheScreen) {
    StartQuiet();
    for (int slot = 0; slot < KeySlotCount; ++slot) {
        CComboPopup* menu = OpenMenu(slot);
        ASSERT_NE(menu, nullptr);
        const QRect available = Window().screen()->availableGeometry();
        EXPECT_TRUE(available.contains(menu->geometry())) << slot;
        Hover(menu, 14); // DPI lock, the lowest submenu
        CWndPopup* lock = Submenu(5);
        ASSERT_NE(lock, nullptr);
        EXPECT_TRUE(available.contains(lock->geometry())) << slot;
        ClickAt(1000, 700);
        DeleteClosed();
    }
}

struct PlaceCase {
    const char* what;
    QRect button;
    QRect available;
    double scale;
    QRect menu;
    bool lifted;
    QRect dpiLock; // 11 rows
};

TEST(MenuPlacement, BesideTheButtonAndInsideTheScreen) {
    const QSize menuSize(162, 354);
    const QSize lockSize(162, 244);
    const PlaceCase cases[] = {
        {"room enough", {100, 100, 162, 21}, {0, 0, 1920, 1080}, 1, {261, 101, 162, 354}, false,
         {423, 417, 162, 244}},
        {"near the bottom: lifted, the submenu by its lifted offset", {100, 800, 162, 21},
         {0, 0, 1920, 1040}, 1, {261, 686, 162, 354}, true, {423, 796, 162, 244}},
        {"a second screen below and right of the first", {2000, 1900, 162, 21},
         {1920, 1080, 1280, 1024}, 1, {2161, 1750, 162, 354}, true, {2323, 1860, 162, 244}},
        {"at the right edge the submenu opens on the left", {1700, 100, 162, 21},
         {0, 0, 1920, 1080}, 1, {1758, 101, 162, 354}, false, {1596, 417, 162, 244}},
        {"scale 1.5", {150, 150, 243, 31}, {0, 0, 2560, 1440}, 1.5, {391, 151, 162, 354}, false,
         {553, 625, 162, 244}},
        {"no area known (Wayland): where the design puts them", {100, 800, 162, 21}, {}, 1,
         {261, 801, 162, 354}, false, {423, 1117, 162, 244}},
    };
    const SubmenuInfo& lock = *SubmenuOfKind(PopupKind::DpiLockMenu);
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        const MenuPlace menu = PlaceFunctionMenu(c.button, menuSize, c.available, c.scale);
        EXPECT_EQ(menu.rect, c.menu);
        EXPECT_EQ(menu.lifted, c.lifted);
        EXPECT_EQ(PlaceSubmenu(lock, c.button, menu, lockSize, c.available, c.scale), c.dpiLock);
    }
    EXPECT_EQ(CWndPopup::LaidOutSize(PopupKind::FunctionMenu, 16), menuSize);
}

// Pictures of the menus over the window (1.0) and alone (2.0), for a person to look at.
TEST_F(KeyMenus, Screenshots) {
    StartQuiet();
    CComboPopup* menu = OpenMenu(1);
    Hover(menu, 11);
    CWndPopup* office = Submenu(3);
    ASSERT_NE(office, nullptr);
    Hover(office, 2);
    QImage shot = Window().grab().toImage();
    {
        QPainter painter(&shot);
        for (CWndPopup* popup : {static_cast<CWndPopup*>(menu), office})
            painter.drawImage(popup->pos() - Window().pos(), popup->RenderedImage());
    }
    test::SaveScreenshot(shot, "function_menu_1x");
    ClickAt(1000, 700);
    DeleteClosed();

    UiScale = 2;
    LoadLanguage(); // the interface font follows the scale
    auto* big = new CComboPopup;
    big->Create(nullptr, QRect(0, 0, 10, 10), M::Result, 2013);
    big->hoverIndex = 5;
    big->Render();
    auto* lock = new FunctionSubmenu(PopupKind::DpiLockMenu);
    lock->Create(nullptr, QRect(400, 0, 10, 10), 0x483, 2013, big);
    lock->hoverIndex = 6;
    lock->Render();
    QImage pair(big->width() + lock->width(), std::max(big->height(), 2 * 122 + lock->height()),
                QImage::Format_RGB32);
    pair.fill(Qt::black);
    {
        QPainter painter(&pair);
        painter.drawImage(0, 0, big->RenderedImage());
        painter.drawImage(big->width(), 2 * 122, lock->RenderedImage());
    }
    test::SaveScreenshot(pair, "function_menu_2x");
    big->close();
    DeleteClosed();
    UiScale = 1;
    LoadLanguage();
}

} // namespace
} // namespace ferrox
