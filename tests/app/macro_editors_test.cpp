// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/action_editors.h"
#include "app/macro_dialogs/macro_confirm_dialog.h"
#include "app/macro_dialogs/macro_select_dlg.h"
#include "app/macro_dialogs/name_dialogs.h"
#include "keys/key_capture.h"
#include "keys/key_names.h"
#include "held_key.h"
#include "macro_test_support.h"
#include "ui/edit_show_list.h"

#include <QTest>

namespace ferrox {
namespace {

using namespace ferrox::test;
using D = MacroSmallDialog;

class MacroEditorsTest : public MacroWindowTest {
protected:
    // Types into the dialog's edit field as a user does, then presses OK.
    static void TypeAndConfirm(MacroSmallDialog& dlg, const QString& typed) {
        EditField* edit = dlg.FindEditField(D::EditId);
        ASSERT_NE(edit, nullptr);
        edit->clear();
        QTest::keyClicks(edit, typed);
        Settle();
        warned = NoticeOpen();
        CloseNotices();
        Click(&dlg, Centre(dlg, D::OkId));
    }
    static inline bool warned = false;
    static bool NoticeOpen() {
        return OpenDialogTable[1] != nullptr; // the editor is entry 0
    }
    static void CloseNotices() {
        Settle();
        while (OpenDialogTable[1])
            OpenDialogTable[1]->SendMessage(WM_CLOSE);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(MacroEditorsTest, DelayEditorReadsLeadingDigitsAndClamps) {
    struct Case {
        const char* typed;
        MacroAction stored;
        bool warned;
    };
    const Case cases[] = {
        {"15300000", {3, 0xE9, 0x75, 0xA0}, false}, {"99999999999", {3, 0xE9, 0x75, 0xA0}, false},
        {"0", {3, 0, 0, 0}, false},                  {"", {3, 0, 0, 0}, false},
        {"-5", {3, 0, 0, 0}, true},                  {"250", {3, 0, 0, 0xFA}, false},
    };
    for (const Case& c : cases) {
        MacroAction action = MacroAction::MakeDelay(100);
        CActionTimeModifyDlg dlg(action);
        ASSERT_TRUE(dlg.Create());
        EXPECT_EQ(dlg.ValueText(), L"100");
        TypeAndConfirm(dlg, c.typed);
        EXPECT_EQ(dlg.Result(), IDOK) << c.typed;
        EXPECT_EQ(action, c.stored) << c.typed;
        EXPECT_EQ(warned, c.warned) << c.typed;
    }
}

TEST_F(MacroEditorsTest, PastedTextAndCancelAndEnter) {
    MacroAction action = MacroAction::MakeDelay(100);
    // Cancel, and Escape as Cancel, write nothing.
    for (bool escape : {false, true}) {
        CActionTimeModifyDlg dlg(action);
        ASSERT_TRUE(dlg.Create());
        dlg.FindEditField(D::EditId)->selectAll();
        dlg.FindEditField(D::EditId)->insert(QStringLiteral("12\n34"));
        if (escape)
            SendKey(dlg.FindEditField(D::EditId), QEvent::KeyPress, Qt::Key_Escape);
        else
            Click(&dlg, Centre(dlg, D::CancelId));
        EXPECT_EQ(dlg.Result(), IDCANCEL) << escape;
        EXPECT_EQ(action, MacroAction::MakeDelay(100)) << escape;
    }
    CActionTimeModifyDlg dlg(action);
    ASSERT_TRUE(dlg.Create());
    dlg.FindEditField(D::EditId)->selectAll();
    dlg.FindEditField(D::EditId)->insert(QStringLiteral("12\n34"));
    SendKey(dlg.FindEditField(D::EditId), QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(dlg.Result(), IDOK);
    EXPECT_EQ(action, MacroAction::MakeDelay(1234)) << "the line break of the paste is dropped";
}

TEST_F(MacroEditorsTest, MovementEditorKeepsOneTo127InItsDirection) {
    struct Case {
        int direction;
        const char* typed;
        MacroAction stored;
    };
    for (const Case& c : {Case{5, "200", {0xE5, 0, 0, 0x81}}, Case{6, "0", {0xE5, 0, 0, 1}},
                          Case{7, "3", {0xE6, 0, 0, 0xFD}}, Case{8, "-5", {0xE6, 0, 0, 1}}}) {
        MacroAction action{0xE5, 0, 0, 0xFF};
        CActionXYModifyDlg dlg(action, c.direction);
        ASSERT_TRUE(dlg.Create());
        EXPECT_EQ(dlg.ValueText(), L"1");
        TypeAndConfirm(dlg, c.typed);
        EXPECT_EQ(action, c.stored) << c.typed;
        CloseNotices();
    }
}

TEST_F(MacroEditorsTest, KeyEditorTakesAKeyHeldOnAPlainServerAsOnePressAndOneRelease) {
    MacroAction action = MacroAction::MakeKey(0x41, false);
    std::uint32_t clock = 0;
    test::KeystrokeCounting<CActionKeyModifyDlg> dlg(action, nullptr, [&clock] { return clock; });
    ASSERT_TRUE(dlg.Create());
    test::HoldKeyOnAPlainServer(&dlg, Qt::Key_X, clock, 1000, 2500);
    EXPECT_EQ(dlg.words, (std::vector<std::uint32_t>{KeyEventWord(false, 1000),
                                                     KeyEventWord(true, 2500)}));
    EXPECT_EQ(dlg.ChosenCode(), 'X');
}

TEST_F(MacroEditorsTest, KeyEditorCapturesKeysEnterIncludedAndWritesOnOkOnly) {
    MacroAction action = MacroAction::MakeKey(0x41, true);
    {
        CActionKeyModifyDlg dlg(action);
        ASSERT_TRUE(dlg.Create());
        EXPECT_TRUE(dlg.Hook().IsStarted());
        Click(&dlg, Centre(dlg, D::OkId));
        EXPECT_EQ(action, MacroAction::MakeKey(0x41, true)) << "OK without a key changes nothing";
    }
    CActionKeyModifyDlg dlg(action);
    ASSERT_TRUE(dlg.Create());
    SendKey(&dlg, QEvent::KeyPress, Qt::Key_Shift, false, 54 + 8); // right Shift
    EXPECT_EQ(dlg.ValueText(), std::wstring(KeyName(0xA1)));
    SendKey(&dlg, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_FALSE(dlg.IsEnded()) << "Enter is a key to capture";
    EXPECT_EQ(dlg.ChosenCode(), 0x0D);
    SendKey(&dlg, QEvent::KeyPress, Qt::Key_Shift, false, 54 + 8);
    Click(&dlg, Centre(dlg, D::OkId));
    EXPECT_EQ(dlg.Result(), IDOK);
    EXPECT_FALSE(dlg.Hook().IsStarted());
    EXPECT_EQ(action, MacroAction::MakeKey(0xA1, true)) << "the release stays a release";
}

TEST_F(MacroEditorsTest, NameDialogsCleanTheNameAndRenameNeedsAChange) {
    CMacroKeyOrFolderNameDlg name(CMacroKeyOrFolderNameDlg::Mode::Folder);
    ASSERT_TRUE(name.Create());
    EXPECT_EQ(name.ValueText(), L"");
    name.FindEditField(D::EditId)->insert(QString(70, QChar('x')));
    SendKey(name.FindEditField(D::EditId), QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(name.Result(), IDOK);
    EXPECT_EQ(name.Name(), std::wstring(60, L'x'));
    for (auto [typed, result] : {std::pair{"Jump", IDCANCEL}, {"JUMP", IDOK}}) {
        CMacroKeyRenameDlg rename(L"Jump");
        ASSERT_TRUE(rename.Create());
        EXPECT_EQ(rename.ValueText(), L"Jump");
        TypeAndConfirm(rename, typed);
        EXPECT_EQ(rename.Result(), result) << typed;
    }
}

TEST_F(MacroEditorsTest, SelectionRefusesFoldersTellsTheParentAndStartsClosed) {
    MacroLibrary library;
    MacroLocation at;
    ASSERT_EQ(library.AddFolder(L"Games", at), MacroAddResult::Added);
    MacroLocation inside = at;
    ASSERT_EQ(library.AddMacro(L"Inner", inside), MacroAddResult::Added);
    library.NodeAt(at)->MacroItemFolderIsOpen = 1;
    MacroLocation selection = inside;
    RecordingDialog parent;
    parent.Listen(MacroSelectMessage::Chosen);
    CMacroSelectDlg dlg(library, selection, &parent);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(library.NodeAt(at)->MacroItemFolderIsOpen, 0);
    EXPECT_EQ(selection.stage, -1);
    EXPECT_EQ(dlg.Tree()->TotalRows(), 1);
    Click(&dlg, Centre(dlg, CMacroSelectDlg::ChooseId));
    EXPECT_NE(dlg.Notice(), nullptr);
    dlg.Notice()->SendMessage(WM_CLOSE);
    Click(&dlg, dlg.Tree()->RowRect(0).center());
    Click(&dlg, Centre(dlg, CMacroSelectDlg::ChooseId));
    EXPECT_FALSE(dlg.IsEnded()) << "a folder is not a macro";
    dlg.Notice()->SendMessage(WM_CLOSE);
    Click(&dlg, dlg.Tree()->RowRect(0).center());
    DoubleClick(&dlg, dlg.Tree()->RowRect(0).center());
    Release(&dlg, dlg.Tree()->RowRect(0).center());
    Click(&dlg, dlg.Tree()->RowRect(1).center());
    EXPECT_EQ(selection, inside);
    Click(&dlg, Centre(dlg, CMacroSelectDlg::ChooseId));
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(parent.notes.size(), 1u);
    EXPECT_EQ(selection, inside) << "the parent reads the choice from the selection";
}

TEST_F(MacroEditorsTest, Screenshots) {
    for (float scale : {1.0f, 2.0f}) {
        UiScale = scale;
        const std::string suffix = scale == 1 ? "" : "@2x";
        MacroAction key = MacroAction::MakeKey(0xA1, false);
        MacroAction delay = MacroAction::MakeDelay(250);
        MacroAction move{0xE5, 0, 0, 0xF6};
        std::vector<std::pair<std::unique_ptr<CDlgBase>, std::string>> dialogs;
        dialogs.emplace_back(std::make_unique<CActionKeyModifyDlg>(key), "macro_key_editor");
        dialogs.emplace_back(std::make_unique<CActionTimeModifyDlg>(delay), "macro_delay_editor");
        dialogs.emplace_back(std::make_unique<CActionXYModifyDlg>(move, 5), "macro_move_editor");
        dialogs.emplace_back(std::make_unique<CMacroKeyOrFolderNameDlg>(
                                 CMacroKeyOrFolderNameDlg::Mode::Macro),
                             "macro_name_dialog");
        dialogs.emplace_back(std::make_unique<CMacroKeyRenameDlg>(L"Burst fire"),
                             "macro_rename_dialog");
        dialogs.emplace_back(std::make_unique<MacroConfirmDialog>(150, 232), "macro_delete_question");
        for (auto& [dlg, name] : dialogs) {
            ASSERT_TRUE(dlg->Create());
            Shoot(dlg.get(), name + suffix);
            dlg->SendMessage(WM_CLOSE);
        }
        MacroLibrary library;
        MacroLocation at;
        ASSERT_EQ(library.AddFolder(L"Shooters", at), MacroAddResult::Added);
        at = {};
        ASSERT_EQ(library.AddMacro(L"Build macro", at), MacroAddResult::Added);
        MacroLocation selection;
        CMacroSelectDlg select(library, selection);
        ASSERT_TRUE(select.Create());
        Click(&select, select.Tree()->RowRect(1).center());
        Shoot(&select, "macro_select" + suffix);
    }
}

} // namespace
} // namespace ferrox
