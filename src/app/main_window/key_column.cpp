// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/key_column.h"

#include "app/macro_dialogs/macro_choice.h"
#include "app/macro_dialogs/macro_manager_dlg.h"
#include "app/macro_dialogs/macro_select_dlg.h"
#include "buttons/function_names.h"
#include "buttons/macro_link.h"
#include "device/protocol/sync_session.h"
#include "lang/language_table.h"
#include "macros/macro_user_library.h"
#include "platform/canvas.h"
#include "settings/config_table.h"
#include "ui/combo_button.h"
#include "ui/skin_images.h"
#include "ui/ui_scale.h"

#include <string>

namespace ferrox {
namespace {

struct MarkerPlace {
    int x, y;
};
constexpr std::array<MarkerPlace, KeyComboCount> kMarkerPlaces{{
    {495, 231}, {608, 231}, {553, 251}, {467, 311}, {471, 360},
    {553, 301}, {553, 336}, {462, 451}, {487, 284},
}};

// The mouse picture, where the markers are drawn.
constexpr int kPictureLeft = 457, kPictureTop = 171, kPictureRight = 672, kPictureBottom = 569;
// Buttons 8 and 9 have no key slot on the mouse.
constexpr int kKeysWithSlot = 7;

} // namespace

KeyColumn::KeyColumn(CDlgBase& window, const WindowCalls& calls, SyncSession& session)
    : WindowPart(window, calls), session_(session),
      menus_(window, {[this](unsigned groups) { calls_.scheduleApply(groups); },
                      [this](int text) { notice(text); }}) {}

void KeyColumn::Bind() {
    window_.bindMessage(KeyComboMessage, [this](WParam id, LParam code) {
        onCombo(id, code);
        return LResult(0);
    });
    menus_.Bind();
    onClick(MainId::MacroManager, [this] { openMacroManager(); });
    // Posted by the function menu once it has gone.
    window_.bindMessage(KeyMenuMessage::OpenMacroSelection, [this](WParam, LParam) {
        CMacroSelectDlg dialog(UserMacroLibrary(), MacroManagerSelection(), &window_);
        dialog.RunModal();
        return 0;
    });
    // The dialog leaves its choice in the shared selection.
    window_.bindMessage(MacroSelectMessage::Chosen, [this](WParam, LParam) {
        const MacroChoice choice = ChosenMacro(UserMacroLibrary(), MacroManagerSelection());
        menus_.ApplyDialogChoice(choice.name, choice.code, choice.macro);
        return 0;
    });
}

void KeyColumn::Refresh(const ProfileSettings& profile) {
    // The buttons without a slot can do nothing: they read as the Disable function does.
    KeySlot nothing;
    nothing.Assign(L"Disable", DisabledFunction, nullptr);
    for (int n = 0; n < KeyComboCount; ++n)
        if (auto* combo = control<CComboButton>(MainId::KeyCombo + n))
            combo->SetText(SlotDisplayName(
                n < kKeysWithSlot ? profile.keys[std::size_t(n)] : nothing, LanguageTable));
}

void KeyColumn::onCombo(WParam id, LParam code) {
    const int n = int(id) - MainId::KeyCombo + 1;
    if (n < 1 || n > KeyComboCount)
        return;
    if (code == NotifyHoverEnter || code == NotifyHoverLeave) {
        const int marked = code == NotifyHoverEnter ? n : 0;
        if (marked != markedButton_) {
            markedButton_ = marked;
            window_.InvalidateRect(
                QRect(QPoint(Scaled(kPictureLeft), Scaled(kPictureTop)),
                      QPoint(Scaled(kPictureRight), Scaled(kPictureBottom)))
                    .adjusted(0, 0, -1, -1));
        }
    }
    menus_.ComboNotified(int(id), code);
}

void KeyColumn::DrawMarker(Canvas& canvas) {
    if (markedButton_ < 1 || markedButton_ > KeyComboCount)
        return;
    QImage& marker = markers_[std::size_t(markedButton_ - 1)];
    if (marker.isNull())
        marker = LoadSkinFile("skins/mouse/number" + std::to_string(markedButton_) + ".png");
    if (marker.isNull())
        return;
    const MarkerPlace at = kMarkerPlaces[std::size_t(markedButton_ - 1)];
    canvas.DrawImage(marker, marker.rect(),
                     QRect(Scaled(at.x), Scaled(at.y), Scaled(marker.width()),
                           Scaled(marker.height())),
                     Interpolation::Smooth);
}

void KeyColumn::openMacroManager() {
    {
        CMacroManagerDlg manager(UserMacroLibrary(), MacroManagerSelection(), &window_);
        // The library is written on the saving thread; a failure is told once it is known.
        manager.SetClosingSaveListener(&window_, [this](bool saved) {
            if (!saved)
                notice(-1, "The macro library could not be written. Your macros are kept "
                           "until the program ends; check that the data folder can be "
                           "written.");
        });
        manager.RunModal();
    }
    afterMacroManager();
}

void KeyColumn::afterMacroManager() {
    // The library in memory is what the manager is writing, so it is not read back (a large
    // one would stall the window). When the write fails it is newer than the file and stays
    // all the same.
    for (ProfileSettings& profile : Profiles)
        RefreshMacroCopies(profile.keys, UserMacroLibrary());
    session_.sync().MacroLibraryEdited();
    calls_.showProfileAgain();
}

} // namespace ferrox
