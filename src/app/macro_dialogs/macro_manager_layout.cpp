#include "app/macro_dialogs/macro_manager_layout.h"

#include "app/tool_tips.h"
#include "platform/canvas.h"

namespace ferrox {

namespace {

using K = ControlKind;
namespace Id = MacroManagerId;
constexpr unsigned kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr unsigned kLabel = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
constexpr SkinNames kSmallButton{"button2_nr", "button2_ov"};
constexpr SkinNames kCheck{"check_nr", "check_ov", "check_dn"};
constexpr SkinNames kRadio{"radio_nr", "radio_ov", "radio_dn"};

constexpr ControlSpec kControls[] = {
    {.id = Id::Title, .kind = K::StaticText, .rect = {20, 3, 300, 27},
     .textIndex = MacroManagerLayout::TitleText, .format = kLabel, .colour = look::HotText},
    CloseButton(Id::Close, {504, 4, 519, 19}),
    // Over each list, in the frame's title band.
    {.id = Id::TreeLabel, .kind = K::StaticText, .rect = {24, 32, 169, 51}, .textIndex = 191,
     .format = kLabel, .colour = look::HotText},
    {.id = Id::ActionsLabel, .kind = K::StaticText, .rect = {189, 32, 334, 51},
     .textIndex = 192, .format = kLabel, .colour = look::HotText},
    // Below the lists: what acts on the tree, what acts on the steps.
    {Id::NewMacro, K::Image, {24, 333, 93, 353}, kSmallButton, 200, {}, {}, kCentred},
    {Id::DeleteItem, K::Image, {100, 333, 169, 353}, kSmallButton, 202, {}, {}, kCentred},
    {Id::ModifyAction, K::Image, {189, 333, 258, 353}, kSmallButton, 201, {}, {}, kCentred},
    {Id::DeleteAction, K::Image, {265, 333, 334, 353}, kSmallButton, 202, {}, {}, kCentred},
    // The right-hand column: record, delays, loop mode, insert.
    {Id::Record, K::Check, {362, 53, 502, 77}, {"macro_record_nr", "macro_record_nr", "macro_record_dn"}, 199,
     {}, {}, kCentred},
    {Id::RecordDelays, K::Check, {356, 92, 371, 107}, kCheck},
    {Id::DelaysLabel, K::StaticText, {377, 90, 512, 109}, {}, 193, {}, {}, kLabel},
    {Id::LoopHeld, K::Radio, {356, 124, 371, 139}, kRadio},
    {Id::LoopHeldLabel, K::StaticText, {377, 122, 512, 141}, {}, 194, {}, {}, kLabel},
    {Id::LoopToggle, K::Radio, {356, 145, 371, 160}, kRadio},
    {Id::LoopToggleLabel, K::StaticText, {377, 143, 512, 162}, {}, 195, {}, {}, kLabel},
    {Id::LoopCounted, K::Radio, {356, 166, 371, 181}, kRadio},
    {Id::LoopCountLabel, K::StaticText, {377, 164, 478, 183}, {}, 196, {}, {}, kLabel},
    {Id::InsertLabel, K::StaticText, {356, 203, 512, 222}, {}, 197, {}, {}, kLabel},
    {.id = Id::InsertMenu, .kind = K::Combo, .rect = {356, 224, 512, 249},
     .images = {"combo3_nr", "combo3_ov"}, .message = 0x48E},
    {.id = Id::HiddenImport, .kind = K::Image, .rect = {356, 262, 476, 286},
     .images = {"button3_nr", "button3_ov"}, .textIndex = 203, .format = kCentred,
     .flags = {.shown = false}},
    {.id = Id::HiddenExport, .kind = K::Image, .rect = {356, 292, 476, 316},
     .images = {"button3_nr", "button3_ov"}, .textIndex = 204, .format = kCentred,
     .flags = {.shown = false}},
};

} // namespace

std::span<const ControlSpec> MacroManagerControls() {
    return kControls;
}

} // namespace ferrox
