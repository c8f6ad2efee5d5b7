// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/popup_kind.h"

#include <array>

namespace ferrox {

namespace {

constexpr MenuLayout Standard{1, 161, 22, 162};
constexpr MenuLayout Wide{1, 188, 22, 189};
constexpr MenuLayout Narrow{1, 117, 22, 118};
constexpr MenuLayout Profiles{0, 230, 25, 230};

constexpr std::array<PopupKindInfo, 12> Kinds{{
    {PopupKind::FunctionMenu, 0x405, Standard, MenuLook::Skins, true},
    {PopupKind::DpiMenu, 0x412, Standard, MenuLook::Skins, false},
    {PopupKind::MultimediaMenu, 0x415, Standard, MenuLook::Skins, false},
    {PopupKind::ProfileList, 0x466, Profiles, MenuLook::Filled, true},
    {PopupKind::ReportRateList, 0x470, Wide, MenuLook::Filled, true},
    {PopupKind::LightingList, 0x47A, Wide, MenuLook::Skins, true},
    {PopupKind::DpiLockMenu, 0x484, Standard, MenuLook::Skins, false},
    {PopupKind::WindowsMenu, 0x487, Standard, MenuLook::Skins, false},
    {PopupKind::OfficeMenu, 0x48A, Standard, MenuLook::Skins, false},
    {PopupKind::ProfileContextMenu, 0x48D, Standard, MenuLook::Skins, false},
    {PopupKind::ActionInsertMenu, 0x490, Narrow, MenuLook::Skins, true},
    {PopupKind::MacroListMenu, 0x492, Standard, MenuLook::Skins, false},
}};

} // namespace

const PopupKindInfo& KindInfo(PopupKind kind) {
    for (const PopupKindInfo& info : Kinds)
        if (info.kind == kind)
            return info;
    return Kinds[0];
}

unsigned DeactivationMessage(PopupKind kind) {
    return KindInfo(kind).deactivationMessage;
}

} // namespace ferrox
