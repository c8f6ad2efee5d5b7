// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile_bar.h"

#include "base/app_globals.h"
#include "device/protocol/change_groups.h"
#include "settings/config_table.h"
#include "settings/profile_slots.h"
#include "ui/control_base.h"
#include "ui/control_notify.h"
#include "ui/dlg_base.h"
#include "ui/wnd_popup.h"

#include <QDir>

#include <algorithm>

namespace ferrox {

namespace {

constexpr int kNoticeBarFull = 145;
constexpr int kNoticeIsCurrent = 152;
constexpr int kNoticeImportFailed = 157;
constexpr int kActionCodes = 4; // import, export, rename, remove

bool IsSlot(int slot) {
    return slot >= 0 && slot < ProfileCount;
}

// The slot at a position of the bar, or -1 when the position shows nothing.
int SlotAtPosition(int position) {
    const ProfileBarList bar = ReadProfileBar();
    if (position < 0 || position >= bar.count)
        return -1;
    return bar.slots[std::size_t(position)];
}

int Bottom(const QRect& rect) {
    return rect.y() + rect.height();
}

} // namespace

QRect ProfileListRect(const QRect& chooser, double s) {
    const int side = int(300 * s);
    return QRect(chooser.left(), Bottom(chooser) - int(201 * s), side, side);
}

QRect ProfileMenuRect(int anchorLeft, int anchorTop, double s, int windowTop, int screenHeight) {
    int top = anchorTop;
    if (windowTop + top + int(94 * s) > screenHeight)
        top = screenHeight - windowTop - int(74 * s);
    const int side = int(300 * s);
    return QRect(anchorLeft, top, side, side);
}

std::wstring ExportFileName(const std::wstring& profileName) {
    std::wstring name = profileName;
    std::replace_if(
        name.begin(), name.end(), [](wchar_t c) { return c == L'/' || c == L'\0'; }, L'_');
    if (name.empty() || name == L"." || name == L"..")
        name = L"profile";
    return name + L".psf";
}

std::filesystem::path WithProfileExtension(std::filesystem::path path) {
    if (path.extension().empty())
        path += ".psf";
    return path;
}

void ProfileBar::Bind(WindowBase& window) {
    auto* dialog = dynamic_cast<CDlgBase*>(&window);
    auto rectOf = [dialog](int id) {
        CControlBase* control = dialog ? dialog->FindControl(id) : nullptr;
        return control ? control->GetBounds() : QRect();
    };
    for (int s = 0; s < ProfileCount; ++s)
        window.bindMessage(unsigned(ProfileBarId::FirstTab + s), [this, s, rectOf](WParam, LParam code) {
            if (code == NotifyClicked)
                TabClicked(s);
            else if (code == NotifyRightClicked)
                TabRightClicked(s, rectOf(ProfileBarId::FirstTab + s));
            return LResult(0);
        });
    window.bindMessage(ProfileBarId::Chooser, [this, rectOf](WParam, LParam code) {
        if (code == NotifyHoverTip)
            ChooserHovered();
        else if (code == NotifyClicked)
            ChooserClicked(rectOf(ProfileBarId::Chooser));
        return LResult(0);
    });
    const std::pair<int, void (ProfileBar::*)()> buttons[] = {
        {ProfileBarId::Add, &ProfileBar::AddClicked},
        {ProfileBarId::Rename, &ProfileBar::RenameClicked},
        {ProfileBarId::Export, &ProfileBar::ExportClicked},
        {ProfileBarId::Import, &ProfileBar::ImportClicked},
    };
    for (const auto& [id, method] : buttons)
        window.bindMessage(unsigned(id), [this, action = method](WParam, LParam code) {
            if (code == NotifyClicked)
                (this->*action)();
            return LResult(0);
        });
    window.bindMessage(ProfileBarMessage::ListResult, [this, rectOf](WParam how, LParam entry) {
        ListResult(how, entry, rectOf(ProfileBarId::Chooser));
        return LResult(0);
    });
    window.bindMessage(ProfileBarMessage::ListDismissed, [this](WParam, LParam) {
        ListDismissed();
        return LResult(0);
    });
    window.bindMessage(ProfileBarMessage::MenuResult, [this](WParam owner, LParam result) {
        // The result's code byte 0 is the entry id - 1: the action code.
        if (const auto* chosen = reinterpret_cast<const PopupResult*>(result))
            MenuResult(int(owner) - ProfileBarId::FirstTab, chosen->code[0]);
        return LResult(0);
    });
    window.bindMessage(ProfileBarMessage::MenuDismissed, [this](WParam, LParam) {
        MenuDismissed();
        return LResult(0);
    });
    window.bindTimer(kProfileActionTimer, [this] { RunPendingAction(); });
}

void ProfileBar::use(int slot) {
    if (!IsSlot(slot))
        return;
    SetCurrentSlot(slot);
    host_.showProfileAgain();
    host_.scheduleApply(ChangeGroup::Keys | ChangeGroup::Settings);
}

void ProfileBar::TabClicked(int slot) {
    use(slot);
}

void ProfileBar::TabRightClicked(int slot, const QRect& tabRect) {
    if (!IsSlot(slot))
        return;
    const double s = UiScale;
    host_.closeProfileMenu();
    host_.openProfileMenu(slot,
                          ProfileMenuRect(tabRect.left() + int(161 * s),
                                          Bottom(tabRect) - int(20 * s), s, host_.windowTop(),
                                          host_.screenHeight()),
                          false);
}

void ProfileBar::ChooserHovered() {
    listOpenAtHover_ = host_.profileListOpen();
}

void ProfileBar::ChooserClicked(const QRect& chooserRect) {
    if (listOpenAtHover_ || host_.profileListOpen())
        return;
    const ProfileBarList bar = ReadProfileBar();
    ProfileListRows rows;
    rows.selected = 0;
    for (int p = 0; p < bar.count; ++p) {
        const int slot = bar.slots[std::size_t(p)];
        rows.names[std::size_t(p)] = ProfileValue(Profiles[std::size_t(slot)], ProfileKey::ProfileName);
        if (slot == CurrentSlot())
            rows.selected = 1 + p;
    }
    host_.openProfileList(rows, ProfileListRect(chooserRect, UiScale));
}

void ProfileBar::ListResult(WParam how, LParam entry, const QRect& chooserRect) {
    const int position = int(entry) - ProfileListEntry::FirstProfile;
    if (how == 2) {
        if (entry == ProfileListEntry::AddNew) {
            host_.closeProfileList();
            pending_ = ReadProfileBar().count >= ProfileCount ? ProfileAction::RefuseAdd
                                                              : ProfileAction::Add;
            host_.startActionTimer();
            return;
        }
        const int slot = SlotAtPosition(position);
        if (slot < 0)
            return; // an entry at or past the shown count
        host_.closeProfileList();
        use(slot);
    } else if (how == 11) {
        const int slot = SlotAtPosition(position);
        if (slot < 0)
            return;
        const double s = UiScale;
        host_.closeProfileMenu();
        host_.openProfileMenu(
            slot,
            ProfileMenuRect(chooserRect.left() + int(225 * s),
                            Bottom(chooserRect) - int(201 * s) + int(25 * s) * (int(entry) - 1), s,
                            host_.windowTop(), host_.screenHeight()),
            true);
    }
}

void ProfileBar::ListDismissed() {
    if (!host_.profileMenuOpen())
        host_.closeProfileList();
}

void ProfileBar::MenuResult(int slot, int code) {
    host_.closeProfileMenu();
    host_.closeProfileList();
    if (!IsSlot(slot) || code < 0 || code >= kActionCodes)
        return;
    pending_ = ProfileAction(code);
    pendingSlot_ = slot;
    host_.startActionTimer();
}

void ProfileBar::MenuDismissed() {
    host_.closeProfileMenu();
    host_.closeProfileList();
}

void ProfileBar::RunPendingAction() {
    switch (pending_) {
    case ProfileAction::Import:
        importInto(pendingSlot_);
        break;
    case ProfileAction::Export:
        exportFrom(pendingSlot_);
        break;
    case ProfileAction::Rename:
        rename(pendingSlot_);
        break;
    case ProfileAction::Remove:
        remove(pendingSlot_);
        break;
    case ProfileAction::Add:
        add();
        break;
    case ProfileAction::RefuseAdd:
        host_.showNotice(kNoticeBarFull, "Up to five profiles can be shown.");
        break;
    }
}

void ProfileBar::AddClicked() {
    add();
}

void ProfileBar::RenameClicked() {
    rename(CurrentSlot());
}

void ProfileBar::ExportClicked() {
    exportFrom(CurrentSlot());
}

void ProfileBar::ImportClicked() {
    importInto(CurrentSlot());
}

void ProfileBar::add() {
    if (SlotForNewProfile() < 0) {
        host_.showNotice(kNoticeBarFull, "Up to five profiles can be shown.");
        return;
    }
    const auto name = host_.askNewProfileName();
    if (!name)
        return;
    AddProfile(*name); // a refused (empty) name never leaves the dialog
    host_.showProfileAgain();
}

void ProfileBar::rename(int slot) {
    if (!IsSlot(slot))
        return;
    const auto name =
        host_.askProfileName(ProfileValue(Profiles[std::size_t(slot)], ProfileKey::ProfileName));
    if (!name)
        return;
    RenameProfile(slot, *name);
    host_.showProfileAgain();
}

void ProfileBar::remove(int slot) {
    if (DeleteProfile(slot) == ProfileResult::IsCurrent) {
        host_.showNotice(kNoticeIsCurrent, "The active profile cannot be removed.");
        return;
    }
    host_.showProfileAgain();
}

void ProfileBar::importInto(int slot) {
    if (!IsSlot(slot))
        return;
    const auto path = host_.askImportPath(startFolder());
    if (!path)
        return;
    lastFolder_ = path->parent_path();
    // The files are written on the saving thread: a slow disk must not hold the window.
    const ProfileResult result = ImportProfile(slot, *path, SettingsWrite::Aside);
    if (result == ProfileResult::ReadFailed) {
        host_.showNotice(kNoticeImportFailed, "The profile file could not be imported.");
        return;
    }
    host_.showProfileAgain();
    // What the mouse holds must follow the profile the user now sees.
    if (slot == CurrentSlot())
        host_.scheduleApply(ChangeGroup::Device);
}

void ProfileBar::exportFrom(int slot) {
    if (!IsSlot(slot))
        return;
    const std::wstring name = ProfileValue(Profiles[std::size_t(slot)], ProfileKey::ProfileName);
    const auto chosen = host_.askExportPath(startFolder() / ExportFileName(name));
    if (!chosen)
        return;
    const std::filesystem::path path = WithProfileExtension(*chosen);
    lastFolder_ = path.parent_path();
    if (ExportProfile(slot, path) != ProfileResult::Done)
        host_.showNotice(-1, "The profile could not be written to that file.");
}

std::filesystem::path ProfileBar::startFolder() const {
    std::error_code ec;
    if (!lastFolder_.empty() && std::filesystem::is_directory(lastFolder_, ec))
        return lastFolder_;
    return std::filesystem::path(QDir::homePath().toStdString());
}

} // namespace ferrox
