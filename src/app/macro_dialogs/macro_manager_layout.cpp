// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_manager_layout.h"

#include "app/tool_tips.h"
#include "platform/canvas.h"
#include "ui/dialog_rows.h"

namespace ferrox {

namespace {

using K = ControlKind;
namespace Id = MacroManagerId;
constexpr SkinNames kRadio{"radio_nr", "radio_ov", "radio_dn"};

constexpr ControlSpec Hidden(ControlSpec row) {
    row.flags.shown = false;
    return row;
}

constexpr ControlSpec kControls[] = {
    {.id = Id::Title, .kind = K::StaticText, .rect = {20, 3, 300, 27},
     .textIndex = MacroManagerLayout::TitleText, .format = LeftLine, .colour = look::HotText},
    CloseButton(Id::Close, {504, 4, 519, 19}),
    // Over each list, in the frame's title band.
    {.id = Id::TreeLabel, .kind = K::StaticText, .rect = {24, 32, 169, 51}, .textIndex = 191,
     .format = LeftLine, .colour = look::HotText},
    {.id = Id::ActionsLabel, .kind = K::StaticText, .rect = {189, 32, 334, 51},
     .textIndex = 192, .format = LeftLine, .colour = look::HotText},
    // Below the lists: what acts on the tree, what acts on the steps.
    TextButton(Id::NewMacro, {24, 333, 93, 353}, 200),
    TextButton(Id::DeleteItem, {100, 333, 169, 353}, 202),
    TextButton(Id::ModifyAction, {189, 333, 258, 353}, 201),
    TextButton(Id::DeleteAction, {265, 333, 334, 353}, 202),
    // The right-hand column: record, delays, loop mode, insert.
    {Id::Record, K::Check, {362, 53, 502, 77}, {"macro_record_nr", "macro_record_nr", "macro_record_dn"}, 199,
     {}, {}, CentredLine},
    {Id::RecordDelays, K::Check, {356, 92, 371, 107}, CheckSkins},
    {Id::DelaysLabel, K::StaticText, {377, 90, 512, 109}, {}, 193, {}, {}, LeftLine},
    {Id::LoopHeld, K::Radio, {356, 124, 371, 139}, kRadio},
    {Id::LoopHeldLabel, K::StaticText, {377, 122, 512, 141}, {}, 194, {}, {}, LeftLine},
    {Id::LoopToggle, K::Radio, {356, 145, 371, 160}, kRadio},
    {Id::LoopToggleLabel, K::StaticText, {377, 143, 512, 162}, {}, 195, {}, {}, LeftLine},
    {Id::LoopCounted, K::Radio, {356, 166, 371, 181}, kRadio},
    {Id::LoopCountLabel, K::StaticText, {377, 164, 478, 183}, {}, 196, {}, {}, LeftLine},
    {Id::InsertLabel, K::StaticText, {356, 203, 512, 222}, {}, 197, {}, {}, LeftLine},
    {.id = Id::InsertMenu, .kind = K::Combo, .rect = {356, 224, 512, 249},
     .images = {"combo3_nr", "combo3_ov"}, .message = 0x48E},
    Hidden(TextButton(Id::HiddenImport, {356, 262, 476, 286}, 203, WideButtonSkins)),
    Hidden(TextButton(Id::HiddenExport, {356, 292, 476, 316}, 204, WideButtonSkins)),
};

} // namespace

std::span<const ControlSpec> MacroManagerControls() {
    return kControls;
}

} // namespace ferrox
