// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro manager: the user's macro library as a tree, the steps of the selected macro, and
// everything that changes them — new macros and folders, rename, delete, import and export,
// recording from the keyboard, inserting, editing and deleting steps, and the loop mode. It
// works on the library in memory and writes the library file when a recording stops and when
// it closes, by whatever path it closes.

#include "app/macro_dialogs/macro_list_scroll.h"
#include "app/macro_dialogs/macro_prompts.h"
#include "macros/macro_editing.h"
#include "macros/macro_library.h"
#include "macros/macro_library_saves.h"
#include "macros/macro_recorder.h"
#include "platform/keyboard_hook.h"
#include "ui/dlg_base.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

namespace ferrox {

class CEditShowList;
class CImageShowList;
class CVScrollBar;
class CCheckButton;
class CComboButton;
enum class MacroListOperation : int;

class CMacroManagerDlg : public CDlgBase {
public:
    static constexpr int InsertPopupSlot = 0;
    static constexpr int ListPopupSlot = 1;

    // Works on the library and the selection it shares with the selection dialog. Without
    // prompts, the real dialogs ask the user. save writes a copy of the library on the saving
    // thread (UserMacroLibrarySaves()); the user's file when not given.
    CMacroManagerDlg(MacroLibrary& library, MacroLocation& selection, QWidget* parent = nullptr,
                     std::unique_ptr<MacroManagerPrompts> prompts = {}, KeyClock clock = {},
                     MacroLibrarySaves::Write save = {});
    ~CMacroManagerDlg() override;

    // Told, on this thread and while receiver lives, whether the write that closing the
    // manager started reached the file. It ends after the manager has gone.
    void SetClosingSaveListener(QObject* receiver, std::function<void(bool saved)> listener);
    // Whether the last write of the library that has ended succeeded (true until one failed).
    bool LibrarySaved() const { return saved_; }
    bool Recording() const { return recorder_.isRecording(); }
    MacroKey* CurrentMacro() const { return current_; }
    CEditShowList* Tree() const { return tree_; }
    CImageShowList* ActionList() const { return actions_; }
    const CKeyboardHook& Hook() const { return hook_; }

    // The menus' operations, as a choice from them runs them.
    void RunInsert(MacroInsertKind kind);
    void RunListOperation(MacroListOperation operation);

protected:
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnMouseWheel(int delta, int x, int y) override;

private:
    void bindHandlers();
    void bindListHandlers();
    void bindMenuHandlers();
    void onClicked(int id, std::function<void()> action);
    void refresh();
    void showLoopCount();
    void onLoopType();
    void onLoopCountEdited();
    MacroKey* macroAtSelection() const;
    void selectLocation(const MacroLocation& location);
    // Ends the dialog after the recording has stopped and the library is written.
    void finish(int result);
    void saveOnClosing();

    // --- library items (macro_manager_items.cpp) ---
    void newItem(bool folder);
    void onRenameItem();
    void onDeleteItem();
    void onExportMacro();
    void onImportMacro();
    void exportSet();
    void importSet();
    void openContextMenu();
    void afterImport(int status);

    // --- steps and recording (macro_manager_steps.cpp) ---
    void openInsertMenu();
    void modifyAction();
    void onDeleteAction();
    void insertEdited(MacroInsertKind kind, std::uint32_t position);
    void editDelayAt(int row);
    void afterStepsChanged(int selectRow);
    void onRecordClicked();
    void startRecording();
    void stopRecording();
    void onHookEvent(WParam code, LParam word);
    void lockForRecording(bool locked);

    MacroLibrary& library_;
    MacroLocation& selection_;
    std::unique_ptr<MacroManagerPrompts> prompts_;
    MacroLibrarySaves::Write save_;
    QPointer<QObject> closingReceiver_;
    std::function<void(bool)> closingListener_;
    CKeyboardHook hook_;
    MacroRecorder recorder_;
    MacroKey* current_ = nullptr;
    WheelSteps wheel_;
    bool saved_ = true;
    bool finished_ = false;
    // A ready-made insert waiting for its editor: taken back if the dialog closes meanwhile.
    struct PendingInsert {
        MacroKey* macro;
        std::uint32_t position;
        std::uint32_t count;
    };
    std::optional<PendingInsert> pending_;

    CEditShowList* tree_ = nullptr;
    CImageShowList* actions_ = nullptr;
    CVScrollBar* treeBar_ = nullptr;
    CVScrollBar* actionBar_ = nullptr;
    CCheckButton* record_ = nullptr;
    CCheckButton* delays_ = nullptr;
    CComboButton* insert_ = nullptr;
    EditField* loopCount_ = nullptr;
};

} // namespace ferrox
