// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menus/function_menus.h"

#include "buttons/function_presets.h"
#include "lang/language_table.h"

#include <span>

namespace ferrox {

namespace {

std::array<std::uint8_t, 3> CodeOf(const ButtonFunction& function) {
    return {function.category, function.param1, function.param2};
}

std::vector<MenuRow> FunctionRows() {
    std::vector<MenuRow> rows;
    int id = 1;
    for (const FunctionPreset& preset : FunctionMenuPresets) {
        rows.push_back({id, LanguageText(preset.textIndex), CodeOf(preset.function),
                        SubmenuOfEntry(id) != nullptr});
        ++id;
    }
    return rows;
}

std::vector<MenuRow> CodeRows(std::span<const FunctionCode> codes) {
    std::vector<MenuRow> rows;
    int id = 1;
    for (const FunctionCode& code : codes)
        rows.push_back({id++, LanguageText(code.textIndex), CodeOf(code.function)});
    return rows;
}

std::vector<MenuRow> DpiLockRows() {
    std::vector<MenuRow> rows;
    int id = 1;
    for (const wchar_t* label : DpiLockLabels) {
        rows.push_back({id, label, CodeOf(DpiLockFunction(id))});
        ++id;
    }
    return rows;
}

std::vector<MenuRow> SubmenuRows(PopupKind kind) {
    switch (kind) {
    case PopupKind::DpiMenu:
        return CodeRows(DpiSwitchPresets);
    case PopupKind::MultimediaMenu:
        return CodeRows(MultimediaPresets);
    case PopupKind::OfficeMenu:
        return CodeRows(OfficePresets);
    case PopupKind::WindowsMenu:
        return CodeRows(WindowsPresets);
    case PopupKind::DpiLockMenu:
        return DpiLockRows();
    default:
        return {};
    }
}

unsigned DialogMessage(int entry) {
    switch (entry) {
    case FunctionMenuEntry::FireKey:
        return FunctionMenuMessage::FireKeyChosen;
    case FunctionMenuEntry::Macro:
        return FunctionMenuMessage::MacroChosen;
    case FunctionMenuEntry::Shortcut:
        return FunctionMenuMessage::ShortcutChosen;
    default:
        return 0;
    }
}

} // namespace

const SubmenuInfo* SubmenuOfEntry(int entry) {
    for (const SubmenuInfo& info : kSubmenus)
        if (info.entry == entry)
            return &info;
    return nullptr;
}

const SubmenuInfo* SubmenuOfKind(PopupKind kind) {
    for (const SubmenuInfo& info : kSubmenus)
        if (info.kind == kind)
            return &info;
    return nullptr;
}

CComboPopup::CComboPopup() : MenuPopup(PopupKind::FunctionMenu, FunctionRows()) {}

bool CComboPopup::OnItemHover(int x, int y) {
    const int before = hoverIndex;
    const bool changed = MenuPopup::OnItemHover(x, y);
    if (hoverIndex < 0 || hoverIndex == before || hoverIndex >= int(items.size()))
        return changed;
    const int id = items[std::size_t(hoverIndex)].id;
    const SubmenuInfo* submenu = SubmenuOfEntry(id);
    SendToParent(submenu ? submenu->openMessage : FunctionMenuMessage::Highlighted,
                 WParam(OwnerId()), LParam(id));
    return changed;
}

void CComboPopup::OnChoose(const MenuItem& item) {
    if (SubmenuOfEntry(item.id))
        return; // its submenu is already open beside it
    if (const unsigned message = DialogMessage(item.id)) {
        SendToParent(message, WParam(OwnerId()), 0);
        return;
    }
    MenuPopup::OnChoose(item);
}

FunctionSubmenu::FunctionSubmenu(PopupKind kind) : MenuPopup(kind, SubmenuRows(kind)) {}

void FunctionSubmenu::OnChoose(const MenuItem& item) {
    if (Kind() != PopupKind::DpiLockMenu)
        return MenuPopup::OnChoose(item);
    // The button shows what is locked: "DPI lock-800".
    result.text = LanguageText(DpiLockTextIndex) + L"-" + item.text;
    result.code = item.code;
    SendToParent(ResultMessage(), WParam(OwnerId()), reinterpret_cast<LParam>(&result));
}

} // namespace ferrox
