// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_manager_dlg.h"

#include "app/macro_dialogs/macro_manager_layout.h"
#include "app/macro_dialogs/macro_popups.h"
#include "app/radio_bits.h"
#include "keys/key_capture.h"
#include "held_key.h"
#include "lang/language_table.h"
#include "macro_test_support.h"
#include "lang/language_setting.h"
#include "macros/macro_library_file.h"
#include "macros/held_saves.h"
#include "macros/macro_user_library.h"
#include "settings/config_table.h"
#include "ui/check_button.h"
#include "ui/edit_show_list.h"
#include "ui/image_show_list.h"
#include "ui/ui_state.h"
#include "ui/wnd_popup.h"

#include <QTest>

namespace ferrox {
namespace {

using namespace ferrox::test;
namespace Id = MacroManagerId;
using Kind = MacroInsertKind;

constexpr std::uint8_t kA = 0x41;

class MacroManagerTest : public MacroWindowTest {
protected:
    void SetUp() override {
        MacroWindowTest::SetUp();
        MacroLocation at;
        ASSERT_EQ(library.AddMacro(L"Jump", at), MacroAddResult::Added);
        at = {};
        ASSERT_EQ(library.AddFolder(L"Games", at), MacroAddResult::Added);
    }
    // A manager on the library, its answers from prompts, its clock from `clock`.
    void Open() {
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        dlg = std::make_unique<CMacroManagerDlg>(
            library, selection, nullptr, std::move(scripted), [this] { return clock; },
            [this](const MacroLibrary& lib) {
                ++saves;
                return saveWorks && WriteMacroLibrary(file(), lib, MacroLocation{});
            });
        ASSERT_TRUE(dlg->Create());
    }
    std::filesystem::path file() const { return DataFolder / "test-library.mlf"; }
    // The saves asked for so far have been written and their outcome has come back.
    static void Saved() {
        UserMacroLibrarySaves().Wait();
        Settle();
    }
    void TearDown() override {
        dlg.reset(); // its write goes to file(), and saves counts it
        Saved();
        MacroWindowTest::TearDown();
    }
    void ClickId(int id) {
        Click(dlg.get(), Centre(*dlg, id));
        Settle();
    }
    void SelectTreeRow(int row) {
        Click(dlg.get(), dlg->Tree()->RowRect(row - dlg->Tree()->GetFirstVisibleRow()).center());
        Settle();
    }
    void SelectActionRow(int row) {
        auto* list = dlg->ActionList();
        list->EnsureVisible();
        Click(dlg.get(), list->RowRect(row - list->GetFirstVisibleRow()).center());
    }
    void Key(QEvent::Type type, int qtKey, std::uint32_t at, bool repeat = false) {
        clock = at;
        SendKey(dlg.get(), type, qtKey, repeat);
    }
    MacroKey& Jump() { return *library.NodeAt({0, 0, 0, 0})->macro; }
    std::vector<MacroAction> Actions(const MacroKey& m) {
        return {m.actions.begin(), m.actions.begin() + m.MacroActionNum};
    }

    MacroLibrary library;
    MacroLocation selection{0, 1, 0, 0}; // left over from an earlier dialog
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CMacroManagerDlg> dlg;
    std::uint32_t clock = 1000;
    int saves = 0;
    bool saveWorks = true;
};

TEST_F(MacroManagerTest, OpensAtItsDesignSizeWithNothingSelectedAndFoldersClosed) {
    library.NodeAt({0, 1, 0, 0})->MacroItemFolderIsOpen = 1;
    Open();
    EXPECT_EQ(dlg->size(), QSize(Scaled(528), Scaled(365)));
    EXPECT_EQ(selection.stage, -1);
    EXPECT_EQ(library.NodeAt({0, 1, 0, 0})->MacroItemFolderIsOpen, 0);
    EXPECT_EQ(dlg->CurrentMacro(), nullptr);
    EXPECT_EQ(RadioGroupFlags & RadioBit::LoopGroup, 0u);
    EXPECT_EQ(dlg->Tree()->GetBounds(), ScaledRect(25, 54, 153, 323));
    EXPECT_EQ(dlg->ActionList()->GetBounds(), ScaledRect(190, 54, 318, 323));
}

TEST_F(MacroManagerTest, RecordsRealKeystrokesWithDelaysUntilStoppedAndSavesThen) {
    Open();
    SelectTreeRow(0);
    ASSERT_EQ(dlg->CurrentMacro(), &Jump());
    ClickId(Id::RecordDelays);
    ClickId(Id::Record);
    ASSERT_TRUE(dlg->Recording());
    EXPECT_TRUE(dlg->FindControl(Id::NewMacro)->Locked());
    EXPECT_FALSE(dlg->FindControl(Id::InsertMenu)->Locked());
    Key(QEvent::KeyPress, Qt::Key_A, 1000);
    Key(QEvent::KeyPress, Qt::Key_A, 1030, true); // auto-repeat
    Key(QEvent::KeyRelease, Qt::Key_A, 1100);
    Key(QEvent::KeyPress, Qt::Key_Return, 9000); // more than 4095 ms later
    Key(QEvent::KeyRelease, Qt::Key_Return, 9050);
    Key(QEvent::KeyPress, Qt::Key_Escape, 9060);
    EXPECT_FALSE(dlg->IsEnded()) << "Enter and Escape are recorded, not obeyed";
    EXPECT_EQ(Actions(Jump()),
              (std::vector<MacroAction>{MacroAction::MakeKey(kA, false), MacroAction::MakeDelay(100),
                                        MacroAction::MakeKey(kA, true), MacroAction::MakeDelay(4095),
                                        MacroAction::MakeKey(0x0D, false), MacroAction::MakeDelay(50),
                                        MacroAction::MakeKey(0x0D, true), MacroAction::MakeDelay(10),
                                        MacroAction::MakeKey(0x1B, false)}));
    EXPECT_EQ(Jump().MacroCommandActionNum, 5);
    EXPECT_EQ(saves, 0);
    ClickId(Id::Record);
    EXPECT_FALSE(dlg->Recording());
    EXPECT_FALSE(dlg->Hook().IsStarted());
    EXPECT_FALSE(dlg->FindControl(Id::NewMacro)->Locked());
    Saved();
    EXPECT_EQ(saves, 1);
    MacroLibrary reread;
    MacroLocation ignored;
    ASSERT_TRUE(ReadMacroLibrary(file(), reread, ignored));
    EXPECT_EQ(*reread.NodeAt({0, 0, 0, 0})->macro, Jump());
}

TEST_F(MacroManagerTest, AKeyHeldOnAPlainServerIsOnePressOneDelayAndOneRelease) {
    Open();
    SelectTreeRow(0);
    ClickId(Id::RecordDelays);
    ClickId(Id::Record);
    test::HoldKeyOnAPlainServer(dlg.get(), Qt::Key_X, clock, 1000, 2500);
    EXPECT_EQ(Actions(Jump()), (std::vector<MacroAction>{MacroAction::MakeKey('X', false),
                                                         MacroAction::MakeDelay(1500),
                                                         MacroAction::MakeKey('X', true)}));
    // A key released just before the stop is still recorded.
    Key(QEvent::KeyPress, Qt::Key_A, 3000);
    Key(QEvent::KeyRelease, Qt::Key_A, 3100);
    ClickId(Id::Record);
    EXPECT_EQ(Jump().MacroActionNum, 7u);
    EXPECT_EQ(Jump().actions[6], MacroAction::MakeKey(kA, true));
}

TEST_F(MacroManagerTest, RecordingWithoutAMacroIsRefused) {
    Open();
    ClickId(Id::Record);
    EXPECT_FALSE(dlg->Recording());
    EXPECT_FALSE(dlg->FindControlAs<CCheckButton>(Id::Record)->GetChecked());
    EXPECT_EQ(prompts->notices, std::vector<int>{234});
}

TEST_F(MacroManagerTest, The169thKeystrokeStopsTheCaptureBeforeTheNotice) {
    Open();
    SelectTreeRow(0);
    ClickId(Id::Record);
    bool capturingAtNotice = true;
    prompts->onNotice = [&] { capturingAtNotice = dlg->Hook().IsStarted(); };
    for (int i = 0; i < 169; ++i)
        Key(i % 2 ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_A, 1000 + 10 * std::uint32_t(i));
    EXPECT_EQ(prompts->notices, std::vector<int>{235});
    EXPECT_FALSE(capturingAtNotice);
    EXPECT_FALSE(dlg->Recording());
    EXPECT_EQ(Jump().MacroActionNum, 168u);
    EXPECT_EQ(Jump().MacroCommandActionNum, 168);
    Saved();
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(dlg->FindControlAs<CCheckButton>(Id::Record)->GetChecked());
}

TEST_F(MacroManagerTest, InsertMenuChoiceRunsAfterTheMenuHasGone) {
    Open();
    SelectTreeRow(0);
    ClickId(Id::InsertMenu);
    auto* menu = dynamic_cast<CWndPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 9u);
    const QPoint row = menu->items[0].rect.center();
    Move(menu, row);
    Press(menu, row);
    Release(menu, row);
    EXPECT_EQ(Jump().MacroActionNum, 0u) << "nothing runs inside the menu's own handling";
    Settle();
    EXPECT_EQ(Actions(Jump()), (std::vector<MacroAction>{{0xE0, 0, 0, 0}, {3, 0, 0, 0x32},
                                                         {0xE0, 0x80, 0, 0}}));
    EXPECT_EQ(Jump().MacroCommandActionNum, 2);
    EXPECT_EQ(dlg->ActionList()->GetSelectedRow(), 2);
}

TEST_F(MacroManagerTest, InsertsNearTheLimitsAreRefusedWhole) {
    struct Case {
        std::uint32_t actions;
        std::uint8_t commands;
        Kind kind;
        bool inserted;
    };
    const Case cases[] = {
        {10, 166, Kind::RightClick, true}, {10, 167, Kind::MiddleClick, false},
        {10, 167, Kind::MoveLeft, true},   {10, 168, Kind::MoveDown, false},
        {333, 10, Kind::LeftClick, true},  {334, 10, Kind::LeftClick, false},
        {335, 10, Kind::MoveUp, true},     {336, 10, Kind::Delay, false},
    };
    Open();
    SelectTreeRow(0);
    for (const Case& c : cases) {
        Jump().MacroActionNum = c.actions;
        Jump().MacroCommandActionNum = c.commands;
        prompts->notices.clear();
        prompts->edits = {MacroAction{0xE5, 0, 0, 0x05}};
        dlg->RunInsert(c.kind);
        const std::uint32_t added = Jump().MacroActionNum - c.actions;
        EXPECT_EQ(added > 0, c.inserted) << c.actions << "/" << int(c.commands);
        EXPECT_EQ(prompts->notices.empty(), c.inserted) << c.actions << "/" << int(c.commands);
        EXPECT_TRUE(added == 0 || added == 1 || added == 3);
    }
}

TEST_F(MacroManagerTest, KeyPairTakesTheChosenKeyAndCancelTakesAllThreeBack) {
    Open();
    SelectTreeRow(0);
    prompts->edits = {std::nullopt};
    dlg->RunInsert(Kind::KeyPair);
    EXPECT_EQ(Jump().MacroActionNum, 0u);
    prompts->edits = {MacroAction::MakeKey(0x5A, false)};
    dlg->RunInsert(Kind::KeyPair);
    EXPECT_EQ(Actions(Jump()), (std::vector<MacroAction>{MacroAction::MakeKey(0x5A, false),
                                                         MacroPairDelay,
                                                         MacroAction::MakeKey(0x5A, true)}));
    EXPECT_EQ(Jump().MacroCommandActionNum, 2);
    // A delay after the pair's release is a new one; right after a delay it edits that one.
    prompts->edits = {MacroAction::MakeDelay(300)};
    dlg->RunInsert(Kind::Delay);
    prompts->edits = {MacroAction::MakeDelay(20)};
    dlg->RunInsert(Kind::Delay);
    EXPECT_EQ(Jump().MacroActionNum, 4u);
    EXPECT_EQ(Jump().GetAction(3), MacroAction::MakeDelay(20));
    EXPECT_EQ(Jump().MacroCommandActionNum, 2) << "300 ms counted one, 20 ms none";
}

TEST_F(MacroManagerTest, ModifyAndDeleteNeedARowAndTheLastDeletionLeavesNone) {
    Open();
    SelectTreeRow(0);
    prompts->edits = {std::nullopt};
    dlg->RunInsert(Kind::LeftClick);
    dlg->ActionList()->SetSelectedRow(-1);
    ClickId(Id::DeleteAction);
    ClickId(Id::ModifyAction);
    EXPECT_EQ(Jump().MacroActionNum, 3u);
    EXPECT_TRUE(prompts->edits.size() == 1) << "no editor opened without a row";
    SelectActionRow(2);
    ClickId(Id::DeleteAction);
    EXPECT_EQ(dlg->ActionList()->GetSelectedRow(), 1);
    ClickId(Id::DeleteAction);
    ClickId(Id::DeleteAction);
    EXPECT_EQ(Jump().MacroActionNum, 0u);
    EXPECT_EQ(dlg->ActionList()->GetSelectedRow(), -1);
    EXPECT_EQ(Jump().MacroCommandActionNum, 0);
}

TEST_F(MacroManagerTest, NamesAreCheckedAgainstTheirSiblings) {
    Open();
    prompts->names = {std::wstring(L"  "), std::wstring(L"Jump"), std::wstring(L"Run")};
    for (int i = 0; i < 3; ++i)
        dlg->RunListOperation(MacroListOperation::NewMacro);
    EXPECT_EQ(prompts->notices, (std::vector<int>{242, 241}));
    EXPECT_EQ(library.NodeAt(selection)->MacroItemName, L"Run");
    EXPECT_EQ(dlg->Tree()->GetSelectedRow(), library.RowOfLocation(selection));
    prompts->notices.clear();
    prompts->names = {std::wstring(L"Run"), std::wstring(L"Jump"), std::wstring(L"RUN")};
    for (int i = 0; i < 3; ++i)
        dlg->RunListOperation(MacroListOperation::Rename);
    EXPECT_EQ(prompts->notices, std::vector<int>{241}) << "unchanged: nothing; taken: refused";
    EXPECT_EQ(library.NodeAt(selection)->MacroItemName, L"RUN");
    EXPECT_EQ(library.NodeAt(selection)->macro->name, L"RUN") << "as the file will give it";
    // Into a selected folder, which opens.
    SelectTreeRow(1);
    prompts->names = {std::wstring(L"Inner")};
    dlg->RunListOperation(MacroListOperation::NewMacro);
    EXPECT_EQ(selection, (MacroLocation{1, 1, 0, 0}));
    EXPECT_EQ(library.NodeAt({0, 1, 0, 0})->MacroItemFolderIsOpen, 1);
}

TEST_F(MacroManagerTest, AMacroOfTheCurrentProfileCannotBeDeletedOneOfAnotherCan) {
    KeySlot& slot = CurrentProfile().keys[3];
    const KeySlot saved = slot;
    slot.function = MakeFunction(FunctionCategory::Macro, 0x20, 1);
    slot.macroKeyIndex = std::uint32_t(Jump().MacroKeyIndex);
    Open();
    ClickId(Id::DeleteItem);
    EXPECT_EQ(prompts->notices, std::vector<int>{233});
    SelectTreeRow(0);
    ClickId(Id::DeleteItem);
    EXPECT_EQ(prompts->notices, (std::vector<int>{233, 257}));
    EXPECT_EQ(library.NodeAt({0, 0, 0, 0})->MacroItemName, L"Jump");
    slot = saved; // the macro now belongs to no button of this profile
    ClickId(Id::DeleteItem);
    EXPECT_EQ(library.NodeAt({0, 0, 0, 0})->MacroItemName, L"Games");
    EXPECT_EQ(selection.stage, -1);
}

TEST_F(MacroManagerTest, ExportedMacroComesBackByImportUnlessTheNameIsTaken) {
    Open();
    SelectTreeRow(0);
    ASSERT_TRUE(Jump().InsertAction(0, MacroAction::MakeKey(kA, false)));
    Jump().MacroKeyLoopType = MacroLoopType::Mode4;
    const MacroKey exported = Jump();
    prompts->path = DataFolder / "jump.mkf";
    dlg->RunListOperation(MacroListOperation::ExportMacro);
    dlg->RunListOperation(MacroListOperation::ImportMacro);
    EXPECT_EQ(prompts->notices, std::vector<int>{241});
    prompts->confirm = true;
    dlg->RunListOperation(MacroListOperation::Delete);
    dlg->RunListOperation(MacroListOperation::ImportMacro);
    const MacroKey* back = library.NodeAt(selection)->macro.get();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Actions(*back), Actions(exported));
    EXPECT_EQ(back->MacroKeyLoopType, MacroLoopType::Mode4);
    EXPECT_NE(back->MacroKeyIndex, exported.MacroKeyIndex) << "a new identity";
    EXPECT_EQ(dlg->CurrentMacro(), back);
}

TEST_F(MacroManagerTest, LoopTypeAndCountFollowTheControls) {
    Open();
    SelectTreeRow(0);
    auto* count = dlg->FindEditField(Id::LoopCount);
    EXPECT_TRUE(count->isVisible()) << "loop type 2 shows its count";
    ClickId(Id::LoopHeld);
    EXPECT_EQ(Jump().MacroKeyLoopType, MacroLoopType::Mode1);
    EXPECT_FALSE(count->isVisible());
    ClickId(Id::LoopCounted);
    EXPECT_EQ(Jump().MacroKeyLoopType, MacroLoopType::Counted);
    for (auto [typed, stored, shown] : {std::tuple{"300", 255, "255"}, {"0", 1, "1"},
                                        {"42", 42, "42"}}) {
        count->selectAll();
        QTest::keyClicks(count, typed);
        EXPECT_EQ(Jump().MacroKeyLoopNum, stored) << typed;
        EXPECT_EQ(count->text(), QString(shown)) << typed;
    }
}

TEST_F(MacroManagerTest, ContextMenuOffersWhatFitsTheSelectionAndRunsAfterItHasGone) {
    Open();
    struct Case {
        int row; // -1: below the rows
        std::size_t entries;
    };
    for (const Case& c : {Case{-1, 5}, Case{0, 8}, Case{1, 7}}) {
        const QPoint at = c.row < 0 ? dlg->Tree()->RowRect(5).center()
                                    : dlg->Tree()->RowRect(c.row).center();
        Move(dlg.get(), at);
        Press(dlg.get(), at, Qt::RightButton);
        Release(dlg.get(), at, Qt::RightButton);
        Settle();
        auto* menu = dynamic_cast<CWndPopup*>(dlg->Popup(CMacroManagerDlg::ListPopupSlot));
        ASSERT_NE(menu, nullptr) << c.row;
        EXPECT_EQ(menu->items.size(), c.entries) << c.row;
        dlg->SendMessage(MacroMenuMessage::ListClosed, 0, 15);
        EXPECT_EQ(dlg->Popup(CMacroManagerDlg::ListPopupSlot), nullptr);
    }
    // The folder is selected: "New Macro" goes into it once the menu has gone.
    PopupResult chosen{L"New Macro", {0, 0, 0}};
    prompts->names = {std::wstring(L"Inner")};
    dlg->SendMessage(MacroMenuMessage::ListResult, 2015, LParam(&chosen));
    EXPECT_TRUE(prompts->names.size() == 1) << "nothing runs inside the menu's handling";
    Settle();
    EXPECT_EQ(selection, (MacroLocation{1, 1, 0, 0}));
}

TEST_F(MacroManagerTest, ScrollBarStepsByLineAndPageAndFollowsTheThumb) {
    Open();
    SelectTreeRow(0);
    for (std::uint32_t i = 0; i < 40; ++i)
        ASSERT_TRUE(Jump().InsertAction(i, MacroAction::MakeKey(kA, i % 2 == 1)));
    auto* list = dlg->ActionList();
    const int page = list->VisibleRows();
    const int last = 40 - page;
    struct Case {
        WParam part;
        int from, to;
    };
    for (const Case& c : {Case{ScrollLineDown, 0, 1}, Case{ScrollLineUp, 0, 0},
                          Case{ScrollPageDown, 0, page - 1}, Case{ScrollPageDown, last - 1, last},
                          Case{ScrollLineDown, last, last}, Case{ScrollPageUp, 3, 0}}) {
        list->SetFirstVisibleRow(c.from);
        dlg->SendMessage(Id::ActionBar, c.part, NotifyPressed);
        EXPECT_EQ(list->GetFirstVisibleRow(), c.to) << c.part << " from " << c.from;
    }
}

TEST_F(MacroManagerTest, LoopCountWarnsOnlyAboutWhatIsNotADigit) {
    Open();
    SelectTreeRow(0);
    auto* count = dlg->FindEditField(Id::LoopCount);
    count->clear();
    QTest::keyClicks(count, "1234");
    Settle();
    EXPECT_TRUE(prompts->notices.empty());
    EXPECT_EQ(count->text(), QStringLiteral("123"));
    QTest::keyClicks(count, "x");
    Settle();
    EXPECT_EQ(prompts->notices, std::vector<int>{175});
    EXPECT_EQ(Jump().MacroKeyLoopNum, 123);
}

TEST_F(MacroManagerTest, WheelStepsAddUpToWholeNotches) {
    for (int i = 0; i < 30; ++i) {
        MacroLocation at{};
        ASSERT_EQ(library.AddMacro(L"m" + std::to_wstring(i), at), MacroAddResult::Added);
    }
    Open();
    const QPoint over = dlg->Tree()->GetBounds().center();
    for (int i = 0; i < 2; ++i) {
        QWheelEvent small(over, dlg->mapToGlobal(over), {}, {0, -40}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(dlg.get(), &small);
    }
    EXPECT_EQ(dlg->Tree()->GetFirstVisibleRow(), 0);
    QWheelEvent last(over, dlg->mapToGlobal(over), {}, {0, -40}, Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(dlg.get(), &last);
    EXPECT_EQ(dlg->Tree()->GetFirstVisibleRow(), 1);
}

TEST_F(MacroManagerTest, ClosingByAnyPathSavesAndAFailedSaveKeepsTheEdits) {
    for (int how = 0; how < 3; ++how) {
        Open();
        std::vector<bool> told;
        QObject receiver;
        dlg->SetClosingSaveListener(&receiver, [&told](bool saved) { told.push_back(saved); });
        SelectTreeRow(0);
        prompts->edits = {std::nullopt};
        saveWorks = how != 2;
        if (how == 0)
            ClickId(Id::Close);
        else
            dlg->SendMessage(WM_CLOSE);
        EXPECT_TRUE(dlg->IsEnded());
        EXPECT_EQ(selection.stage, -1);
        Saved();
        EXPECT_EQ(told, std::vector<bool>{saveWorks});
        EXPECT_EQ(dlg->LibrarySaved(), saveWorks);
        EXPECT_NE(library.NodeAt({0, 0, 0, 0})->macro, nullptr) << "the edits stay in memory";
    }
    EXPECT_EQ(saves, 3);
}

// The outcome comes back after the write; a listener gone by then is not called.
TEST_F(MacroManagerTest, ANoticeOfAFailedSaveGoesOnlyToWhoIsStillThere) {
    saveWorks = false;
    Open();
    SelectTreeRow(0);
    {
        HeldSaves held;
        ClickId(Id::Record);
        ClickId(Id::Record);
        EXPECT_TRUE(prompts->notices.empty()) << "told once the write has ended, not before";
    }
    Saved();
    EXPECT_EQ(prompts->notices, std::vector<int>{-1}) << "a recording's failed save, while open";
    EXPECT_FALSE(dlg->LibrarySaved());

    bool told = false;
    {
        HeldSaves held;
        QObject receiver;
        dlg->SetClosingSaveListener(&receiver, [&told](bool) { told = true; });
        ClickId(Id::Close);
    }
    dlg.reset();
    Saved();
    EXPECT_FALSE(told);
}

TEST_F(MacroManagerTest, ClosingUnderAnOpenEditorTakesTheUnfinishedInsertBack) {
    Open();
    SelectTreeRow(0);
    prompts->edits = {MacroAction{0xE5, 0, 0, 9}};
    prompts->duringEdit = [this] { dlg->SendMessage(WM_CLOSE); };
    dlg->RunInsert(Kind::MoveRight);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(Jump().MacroActionNum, 0u);
    Saved();
    MacroLibrary reread;
    MacroLocation ignored;
    ASSERT_TRUE(ReadMacroLibrary(file(), reread, ignored));
    EXPECT_EQ(reread.NodeAt({0, 0, 0, 0})->macro->MacroActionNum, 0u) << "the file too";
}

TEST_F(MacroManagerTest, TheTitleBandNamesTheDialogInEveryLanguage) {
    const std::pair<std::wstring, std::wstring> titles[] = {
        {L"EN", L"Macro Manager"}, {L"RU", L"Менеджер макросов"}, {L"UA", L"Менеджер макросів"}};
    for (const auto& [code, title] : titles) {
        SCOPED_TRACE(std::string(code.begin(), code.end()));
        ASSERT_TRUE(WriteLanguageSetting(LanguageSettingPath(), code));
        LoadLanguage();
        Open();
        const CControlBase* band = dlg->FindControl(Id::Title);
        ASSERT_NE(band, nullptr);
        EXPECT_EQ(band->GetText(), title);
        EXPECT_TRUE(band->IsDisplayed());
        EXPECT_EQ(dlg->windowTitle().toStdWString(), title);
        Shoot(dlg.get(), "macro_manager_title_" + std::string(code.begin(), code.end()));
        dlg.reset();
    }
    ASSERT_TRUE(WriteLanguageSetting(LanguageSettingPath(), L"EN"));
    LoadLanguage();
}

TEST_F(MacroManagerTest, Screenshots) {
    for (float scale : {1.0f, 2.0f}) {
        UiScale = scale;
        const std::string suffix = scale == 1 ? "" : "@2x";
        library.Clear();
        Open();
        Shoot(dlg.get(), "macro_manager_empty" + suffix);
        dlg.reset();
        MacroLocation at{};
        ASSERT_EQ(library.AddFolder(L"Shooters", at), MacroAddResult::Added);
        for (const wchar_t* name : {L"Burst fire", L"Reload cancel", L"Grenade"}) {
            MacroLocation in = at;
            ASSERT_EQ(library.AddMacro(name, in), MacroAddResult::Added);
        }
        at = {};
        ASSERT_EQ(library.AddMacro(L"Build macro", at), MacroAddResult::Added);
        library.NodeAt(at)->macro->MacroKeyLoopNum = 3;
        Open();
        library.NodeAt({0, 0, 0, 0})->MacroItemFolderIsOpen = 1;
        SelectTreeRow(4);
        const char* keys = "WASDQWERTYUIOPASDFG";
        for (int i = 0; keys[i]; ++i) {
            Key(QEvent::KeyPress, keys[i], 1000 + 300 * std::uint32_t(i));
            Key(QEvent::KeyRelease, keys[i], 1100 + 300 * std::uint32_t(i));
        }
        ClickId(Id::RecordDelays);
        ClickId(Id::Record);
        for (int i = 0; keys[i]; ++i) {
            Key(QEvent::KeyPress, keys[i], 1000 + 300 * std::uint32_t(i));
            Key(QEvent::KeyRelease, keys[i], 1100 + 300 * std::uint32_t(i));
        }
        ClickId(Id::Record);
        SelectActionRow(dlg->ActionList()->GetFirstVisibleRow() + 3);
        Shoot(dlg.get(), "macro_manager_tree" + suffix);
        dlg.reset();
    }
}

} // namespace
} // namespace ferrox
