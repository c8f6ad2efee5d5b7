// The main window's way into the macros: the macro manager behind button 2062, and the
// selection dialog that a key button's macro entry opens.

#include "app/dialogs/attention_dlg.h"
#include "app/main_window/ferrox_dlg.h"
#include "app/macro_dialogs/macro_choice.h"
#include "app/macro_dialogs/macro_manager_dlg.h"
#include "app/macro_dialogs/macro_select_dlg.h"
#include "app/main_window/key_menus.h"
#include "app/main_window/main_layout.h"
#include "buttons/macro_link.h"
#include "device/protocol/sync_controller.h"
#include "macros/macro_user_library.h"
#include "settings/profile_settings.h"

namespace ferrox {

void CFerroxDlg::bindMacroHandlers() {
    onControl(MainId::MacroManager, [this](LParam code, WParam) {
        if (code == NotifyClicked)
            openMacroManager();
    });
    // Posted by the function menu once it has gone.
    bindMessage(KeyMenuMessage::OpenMacroSelection, [this](WParam, LParam) {
        CMacroSelectDlg dialog(UserMacroLibrary(), MacroManagerSelection(), this);
        dialog.RunModal();
        return 0;
    });
    // The dialog leaves its choice in the shared selection.
    bindMessage(MacroSelectMessage::Chosen, [this](WParam, LParam) {
        const MacroChoice choice = ChosenMacro(UserMacroLibrary(), MacroManagerSelection());
        keyMenus_.ApplyDialogChoice(choice.name, choice.code, choice.macro);
        return 0;
    });
}

void CFerroxDlg::openMacroManager() {
    {
        CMacroManagerDlg manager(UserMacroLibrary(), MacroManagerSelection(), this);
        // The library is written on the saving thread; a failure is told once it is known.
        manager.SetClosingSaveListener(this, [this](bool saved) {
            if (!saved)
                showAttention(-1, "The macro library could not be written. Your macros are kept "
                                  "until the program ends; check that the data folder can be "
                                  "written.");
        });
        manager.RunModal();
    }
    afterMacroManager();
}

void CFerroxDlg::afterMacroManager() {
    // The library in memory is what the manager is writing, so it is not read back (a large
    // one would stall the window). When the write fails it is newer than the file and stays
    // all the same.
    for (ProfileSettings& profile : Profiles)
        RefreshMacroCopies(profile.keys, UserMacroLibrary());
    sync().MacroLibraryEdited();
    RefreshView();
}

} // namespace ferrox
