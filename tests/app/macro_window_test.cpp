// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/attention_dlg.h"
#include "app/macro_dialogs/macro_choice.h"
#include "app/macro_dialogs/macro_select_dlg.h"
#include "app/macro_dialogs/macro_manager_dlg.h"
#include "app/macro_dialogs/macro_manager_layout.h"
#include "app/macro_dialogs/action_editors.h"
#include "app/main_window/main_layout.h"
#include "device/protocol/change_groups.h"
#include "device/protocol/command_macros.h"
#include "device/protocol/sync_controller.h"
#include "macros/macro_library_file.h"
#include "macros/held_saves.h"
#include "macros/macro_user_library.h"
#include "settings/key_assignment.h"
#include "ui/edit_show_list.h"
#include "ui/open_dialog_table.h"
#include "ui/ui_test_support.h"
#include "modal_driver.h"
#include "window_fixture.h"

#include <QTimer>

#include <algorithm>

namespace ferrox {
namespace {

using namespace ferrox::test;
namespace Id = MacroManagerId;

void ClickControl(CDlgBase& dialog, int id) {
    Click(&dialog, dialog.FindControl(id)->GetBounds().center());
}

void Tap(QWidget* w, int qtKey) {
    for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, qtKey, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
        QCoreApplication::sendPostedEvents();
    }
}

class MacroWindowFlow : public WindowTest {
protected:
    // What the button tells the window when clicked (a real click right after another test's
    // at the same point would read as a double click).
    void OpenManager() {
        ASSERT_NE(Window().FindControl(MainId::MacroManager), nullptr);
        Window().SendMessage(MainId::MacroManager, 0, NotifyClicked);
        Settle();
    }
    MacroKey& AddMacro(const std::wstring& name) {
        MacroLocation at;
        EXPECT_EQ(UserMacroLibrary().AddMacro(name, at), MacroAddResult::Added);
        return *UserMacroLibrary().NodeAt(at)->macro;
    }
    // Opens the manager, adds a macro of this name while it is open, closes it.
    void AddInManager(const std::wstring& name) {
        test::ModalDriver driver;
        driver.When<CMacroManagerDlg>([&](CMacroManagerDlg& manager) {
            AddMacro(name);
            ClickControl(manager, Id::Close);
        });
        OpenManager();
        ASSERT_TRUE(driver.Ran());
    }
    static std::wstring NamesOnDisk() {
        MacroLibrary onDisk;
        MacroLocation ignored;
        if (!ReadMacroLibrary(UserMacroLibraryPath(), onDisk, ignored))
            return L"(unreadable)";
        std::wstring names;
        onDisk.ForEachUsed(0, [&](const MacroLocation&, const MacroItem& item) {
            names += item.MacroItemName + L";";
        });
        return names;
    }
    // Frames in this order among the sent ones; the worker's sequence numbers aside.
    static bool HasInOrder(std::vector<Frame> frames, const std::vector<Frame>& wanted) {
        for (Frame& frame : frames)
            frame[4] = 0;
        auto at = frames.begin();
        for (const Frame& frame : wanted) {
            at = std::find(at, frames.end(), frame);
            if (at == frames.end())
                return false;
        }
        return true;
    }
};

TEST_F(MacroWindowFlow, ARecordedMacroReachesTheMouseByteExactAndSurvivesARestart) {
    StartWindow();
    MacroKey& jump = AddMacro(L"Jump");
    // The function menu's macro entry on button 2; the selection dialog opens once the menu
    // has gone, and its choice becomes the button's function.
    test::ModalDriver chooser;
    chooser.When<CMacroSelectDlg>([](CMacroSelectDlg& select) {
        Click(&select, select.Tree()->RowRect(0).center());
        ClickControl(select, CMacroSelectDlg::ChooseId);
    });
    Window().SendMessage(0x429, WParam(MainId::KeyCombo + 1), 0);
    Settle();
    ASSERT_TRUE(chooser.Ran()) << "the selection dialog was opened and driven";
    ASSERT_EQ(Profile().keys[1].function.category, 0x90);
    EXPECT_EQ(Profile().keys[1].macroKeyIndex, std::uint32_t(jump.MacroKeyIndex));
    FireTimer(30);
    ClearReceivedFrames();

    test::ModalDriver driver;
    driver.When<CMacroManagerDlg>([](CMacroManagerDlg& manager) {
        Click(&manager, manager.Tree()->RowRect(0).center());
        ClickControl(manager, Id::Record);
        for (int key : {Qt::Key_W, Qt::Key_Space})
            Tap(&manager, key);
        ClickControl(manager, Id::Record);
        ClickControl(manager, Id::Close);
    });
    OpenManager();
    ASSERT_TRUE(driver.Ran()) << "the manager was opened and driven";

    const KeySlot& slot = Profile().keys[1];
    const std::vector<MacroAction> recorded{MacroAction::MakeKey(0x57, false),
                                            MacroAction::MakeKey(0x57, true),
                                            MacroAction::MakeKey(0x20, false),
                                            MacroAction::MakeKey(0x20, true)};
    ASSERT_EQ(slot.macro.MacroActionNum, 4u) << "the key's copy follows the library";
    EXPECT_TRUE(std::equal(recorded.begin(), recorded.end(), slot.macro.actions.begin()));
    const std::uint8_t deviceSlot = slot.function.param1 & 0x0F;
    EXPECT_TRUE(HasInOrder(ReceivedFrames(), BuildMacroChunks(BuildMacroImage(slot.macro, deviceSlot),
                                                      deviceSlot)))
        << "the new macro went to the mouse at once";


    // The next start reads the macro back from the file.
    CloseWindow();
    UserMacroLibrary().Clear();
    ASSERT_TRUE(LoadUserMacroLibrary());
    const MacroKey* reread = UserMacroLibrary().NodeAt({0, 0, 0, 0})->macro.get();
    ASSERT_NE(reread, nullptr);
    EXPECT_TRUE(std::equal(recorded.begin(), recorded.end(), reread->actions.begin()));
    EXPECT_EQ(reread->MacroActionNum, 4u);
    UserMacroLibrary().Clear();
}

// What the manager has written is what the window keeps: the library is not read back from
// the file, which for a large library would stall the window.
TEST_F(MacroWindowFlow, AfterTheManagerSavedTheLibraryInMemoryIsKeptAsItIs) {
    StartWindow();
    const MacroKey* jump = &AddMacro(L"Jump");
    test::ModalDriver driver;
    driver.When<CMacroManagerDlg>([](CMacroManagerDlg& manager) {
        ClickControl(manager, Id::Close);
    });
    OpenManager();
    ASSERT_TRUE(driver.Ran());
    ASSERT_NE(UserMacroLibrary().NodeAt({0, 0, 0, 0})->macro, nullptr);
    EXPECT_EQ(UserMacroLibrary().NodeAt({0, 0, 0, 0})->macro.get(), jump) << "not read again";
    UserMacroLibrarySaves().Wait();
    MacroLibrary onDisk;
    MacroLocation ignored;
    ASSERT_TRUE(ReadMacroLibrary(UserMacroLibraryPath(), onDisk, ignored));
    EXPECT_EQ(FormatMacroLibrary(onDisk, {}), FormatMacroLibrary(UserMacroLibrary(), {}));
    UserMacroLibrary().Clear();
}

TEST_F(MacroWindowFlow, UnplugWithManagerEditorAndNoticeOpenClosesAllSavesAndEnds) {
    StartWindow();
    AddMacro(L"Jump");
    bool editorSeen = false;
    test::ModalDriver editorDriver;
    test::ModalDriver driver;
    driver.When<CMacroManagerDlg>([&](CMacroManagerDlg& manager) {
        Click(&manager, manager.Tree()->RowRect(0).center());
        editorDriver.When<CActionXYModifyDlg>([&](CActionXYModifyDlg& editor) {
            editorSeen = true;
            QTest::keyClicks(editor.FindEditField(MacroSmallDialog::EditId), "x");
            Settle(); // the digits-only notice opens over the editor
            EXPECT_NE(OpenDialogTable[2], nullptr);
            Hid().virtualMouse->unplug(DeviceKind::Wired);
            Settle();
        });
        manager.RunInsert(MacroInsertKind::MoveRight);
    });
    OpenManager();
    Settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editorSeen);
    EXPECT_TRUE(Window().IsEnded());
    EXPECT_TRUE(std::all_of(OpenDialogTable.begin(), OpenDialogTable.end(),
                            [](WindowBase* w) { return w == nullptr; }));
    UserMacroLibrarySaves().Wait();
    MacroLibrary onDisk;
    MacroLocation ignored;
    ASSERT_TRUE(ReadMacroLibrary(UserMacroLibraryPath(), onDisk, ignored));
    ASSERT_NE(onDisk.NodeAt({0, 0, 0, 0})->macro, nullptr);
    EXPECT_EQ(onDisk.NodeAt({0, 0, 0, 0})->macro->MacroActionNum, 0u)
        << "the move the editor never confirmed is not kept";
    UserMacroLibrary().Clear();
}

// The manager's save is written after it has closed: whatever comes next, the file ends up
// with the newest library, and quitting waits for it.
TEST_F(MacroWindowFlow, SavesLeftBehindByTheManagerLandInOrderAndQuittingWaitsForThem) {
    for (const bool quit : {false, true}) {
        SCOPED_TRACE(quit ? "quit at once" : "opened again at once");
        StartWindow();
        HeldSaves held;
        AddInManager(L"First");
        if (!quit)
            AddInManager(L"Second");
        EXPECT_EQ(NamesOnDisk(), L"(unreadable)") << "nothing written yet";
        held.Release();
        if (quit)
            CloseWindow();
        else
            UserMacroLibrarySaves().Wait();
        EXPECT_EQ(NamesOnDisk(), quit ? L"First;" : L"First;Second;");
        UserMacroLibrary().Clear();
    }
}

TEST_F(MacroWindowFlow, AFailedSaveIsToldOnceKnownAndTheEditsStay) {
    StartWindow();
    // A folder where the library file belongs: the save refuses to replace it.
    std::filesystem::create_directories(UserMacroLibraryPath());
    {
        HeldSaves held;
        AddInManager(L"Kept");
        Settle();
        EXPECT_EQ(Window().Notices().AttentionWindow(), nullptr) << "not known yet";
    }
    UserMacroLibrarySaves().Wait();
    Settle();
    auto* notice = dynamic_cast<CAttentionDlg*>(Window().Notices().AttentionWindow());
    ASSERT_NE(notice, nullptr);
    EXPECT_NE(notice->FindControl(CAttentionDlg::MessageId)->GetText().find(L"could not be written"),
              std::wstring::npos);
    EXPECT_TRUE(UserMacroLibrary().NameExists(L"Kept", {0, 0, 0, 0}));
    notice->close();
    std::filesystem::remove(UserMacroLibraryPath());
    UserMacroLibrary().Clear();
}

} // namespace
} // namespace ferrox
