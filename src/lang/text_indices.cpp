// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/text_indices.h"

#include <algorithm>
#include <array>

namespace ferrox {

namespace {

// Widths follow the design rectangles of the controls that show the texts: dialog buttons are
// 65 to 69 pixels, the notice line 319, standard menu entries 156 inside their borders, the
// insert-action menu 113, the lighting list 184, key buttons about 140 beside their arrow.
constexpr std::array kTextsInUse = {
    LanguageTextUse{0, 0, 0, "language name; \"中文\" selects the Chinese font"},
    LanguageTextUse{1, 1, 69, "profile chooser button"},
    LanguageTextUse{2, 2, 156, "tray menu: exit"},
    LanguageTextUse{3, 3, 160, "version line, followed by the program's version"},
    LanguageTextUse{4, 5, 65, "OK and cancel buttons of the dialogs"},
    LanguageTextUse{6, 7, 69, "bottom bar: send all settings again, firmware reset"},
    LanguageTextUse{8, 8, 230, "macro manager button and the manager's title"},
    LanguageTextUse{9, 9, 230, "title of the button panel"},
    LanguageTextUse{10, 10, 220, "profile panel title; header of the profile list"},
    LanguageTextUse{11, 14, 262, "section headers: DPI, lighting, report rate, pointer"},
    LanguageTextUse{15, 15, 230, "battery panel title"},
    LanguageTextUse{16, 18, 140, "battery legend: full, charging, low"},
    LanguageTextUse{19, 19, 262, "lift-off section header"},
    LanguageTextUse{20, 22, 113, "left, right, middle click: menus, default key names"},
    LanguageTextUse{23, 36, 140, "function menu entries and key button names"},
    LanguageTextUse{40, 43, 140, "DPI submenu; 40 and 41 default names of slots 5 and 6"},
    LanguageTextUse{45, 55, 140, "multimedia submenu"},
    LanguageTextUse{60, 69, 140, "office submenu"},
    LanguageTextUse{75, 81, 140, "window control submenu"},
    LanguageTextUse{85, 89, 150, "default profile names of slots 0..4"},
    LanguageTextUse{90, 94, 156, "profile context menu: import, export, rename, remove"},
    LanguageTextUse{100, 111, 184, "lighting effect names"},
    LanguageTextUse{120, 121, 90, "lighting labels: brightness, speed"},
    LanguageTextUse{122, 122, 210, "lighting label: colours"},
    LanguageTextUse{123, 123, 90, "lighting label: direction"},
    LanguageTextUse{130, 135, 200, "pointer settings labels"},
    LanguageTextUse{140, 140, 840, "firmware reset question, two lines"},
    LanguageTextUse{141, 141, 410, "add profile dialog title"},
    LanguageTextUse{142, 143, 0, "profile import and export file dialog titles"},
    LanguageTextUse{144, 144, 210, "edit profile dialog title"},
    LanguageTextUse{145, 145, 319, "notice: five profiles already shown"},
    LanguageTextUse{146, 146, 154, "progress text while settings are sent"},
    LanguageTextUse{147, 147, 319, "notice: empty profile name"},
    LanguageTextUse{150, 150, 0, "title of every notice (not drawn)"},
    LanguageTextUse{151, 157, 319,
                    "notices: left click, current profile, colours, no device, "
                    "import failed"},
    LanguageTextUse{158, 158, 319, "technical-support notice"},
    LanguageTextUse{160, 161, 0, "desktop notifications: battery low, almost empty"},
    LanguageTextUse{170, 170, 210, "fire key dialog title"},
    LanguageTextUse{171, 171, 210, "fire key: label of the first value"},
    LanguageTextUse{172, 172, 175, "fire key: label of the second value"},
    LanguageTextUse{173, 173, 700, "fire key: explanation, two lines"},
    LanguageTextUse{174, 176, 319, "fire key and number field notices"},
    LanguageTextUse{180, 180, 210, "shortcut capture dialog title"},
    LanguageTextUse{190, 190, 60, "prefix of a macro's name on a key button"},
    LanguageTextUse{191, 191, 150, "macro library label; macro selection dialog title"},
    LanguageTextUse{192, 192, 150, "macro manager: label of the action list"},
    LanguageTextUse{193, 193, 150, "macro manager: label of the record-delays box"},
    LanguageTextUse{194, 196, 150, "macro manager: loop types 1, 4 and 2 (2 with a count)"},
    LanguageTextUse{197, 197, 150, "macro manager: label of the insert-action menu"},
    LanguageTextUse{198, 199, 150, "record button while recording / while idle"},
    LanguageTextUse{200, 200, 100, "new macro button; last entry of the profile list"},
    LanguageTextUse{201, 204, 100, "macro manager buttons"},
    LanguageTextUse{205, 211, 113, "insert-action menu"},
    LanguageTextUse{220, 221, 210, "delay and key editor titles"},
    LanguageTextUse{222, 225, 290, "movement editor titles"},
    LanguageTextUse{232, 237, 319, "macro manager notices"},
    LanguageTextUse{238, 239, 290, "rename and new macro dialog titles"},
    LanguageTextUse{240, 242, 319, "macro notices: no macro, name exists, empty name"},
    LanguageTextUse{243, 244, 290, "new folder dialog title; macro name"},
    LanguageTextUse{245, 252, 156, "macro manager context menu"},
    LanguageTextUse{253, 256, 0, "macro export and import file dialog titles"},
    LanguageTextUse{257, 257, 319, "notice: macro assigned to a button"},
    LanguageTextUse{260, 260, 215, "button opening the desktop's mouse settings"},
    LanguageTextUse{261, 264, 85, "report rate labels"},
    LanguageTextUse{265, 265, 230, "power panel title"},
    LanguageTextUse{266, 266, 150, "text before the power-down minutes"},
    LanguageTextUse{267, 267, 60, "text after the power-down minutes"},
    LanguageTextUse{268, 268, 200, "label: lighting off while moving"},
    LanguageTextUse{270, 271, 47, "lift-off labels"},
    LanguageTextUse{272, 272, 262, "debounce section header"},
    LanguageTextUse{273, 273, 210, "DPI value dialog title"},
    LanguageTextUse{274, 274, 200, "label: wake on motion"},
    LanguageTextUse{275, 275, 0, "tray menu: show the window"},
    LanguageTextUse{276, 276, 638, "notice: no mouse settings program for this desktop, two lines"},
    LanguageTextUse{280, 292, 0, "tips of the controls that show only a picture"},
    LanguageTextUse{310, 311, 0, "start-up notice: files not read, files not saved; a list follows"},
    LanguageTextUse{312, 318, 0,
                    "what such a file was: folder, named pipe, device, socket, link to nothing, "
                    "link loop, no permission"},
    LanguageTextUse{319, 321, 0,
                    "data folder notice: kept in (a path follows), older folder left (a path "
                    "follows), could not be moved (paths and reason follow)"},
    LanguageTextUse{330, 337, 0,
                    "names read by screen readers: close, button, check box, option, slider, "
                    "level, list, color"},
    LanguageTextUse{339, 339, 0, "name read by screen readers: scroll bar"},
};

constexpr int kPixelsPerCharacter = 7;

constexpr std::array kAddedTexts = {
    AddedLanguageText{157, L"The profile file could not be imported."},
    AddedLanguageText{158, L"For help, contact the seller of your mouse."},
    AddedLanguageText{160, L"Mouse battery low. Charge it soon."},
    AddedLanguageText{161, L"Mouse battery almost empty. Charge it now."},
    AddedLanguageText{275, L"Show Ferrox"},
    AddedLanguageText{276, L"No mouse settings program was found for this desktop"},
    AddedLanguageText{280, L"Minimize"},
    AddedLanguageText{281, L"Close"},
    AddedLanguageText{282, L"Add a profile"},
    AddedLanguageText{283, L"Import a profile file into the current profile"},
    AddedLanguageText{284, L"Export the current profile to a file"},
    AddedLanguageText{285, L"Rename the current profile"},
    AddedLanguageText{286, L"Use this level in the DPI cycle"},
    AddedLanguageText{287, L"Indicator color of this level: click to change it"},
    AddedLanguageText{288, L"Drag to set the DPI, or click to type it"},
    AddedLanguageText{289, L"Click to use this color, double-click to change it"},
    AddedLanguageText{290, L"Direction: up"},
    AddedLanguageText{291, L"Direction: down"},
    AddedLanguageText{292, L"Click a mark on the dial to set the sleep time"},
    AddedLanguageText{330, L"Close"},
    AddedLanguageText{331, L"Button"},
    AddedLanguageText{332, L"Check box"},
    AddedLanguageText{333, L"Option"},
    AddedLanguageText{334, L"Slider"},
    AddedLanguageText{335, L"Level"},
    AddedLanguageText{336, L"List"},
    AddedLanguageText{337, L"Color"},
    AddedLanguageText{339, L"Scroll bar"},
    // Older texts that must never show blank either, whatever release a file was written for.
    AddedLanguageText{2, L"Exit"},
    AddedLanguageText{142, L"Import Profile"},
    AddedLanguageText{143, L"Export Profile"},
    AddedLanguageText{150, L"Notice"},
    AddedLanguageText{155, L"Mouse not found. Connect it or its receiver."},
    AddedLanguageText{156, L"Receiver found. Switch on or move the mouse."},
    AddedLanguageText{310, L"These files could not be read; defaults are used in their place:"},
    AddedLanguageText{311, L"These files were left as they are and not saved:"},
    AddedLanguageText{312, L"a folder"},
    AddedLanguageText{313, L"a named pipe"},
    AddedLanguageText{314, L"a device"},
    AddedLanguageText{315, L"a socket"},
    AddedLanguageText{316, L"a link to nothing"},
    AddedLanguageText{317, L"a link loop"},
    AddedLanguageText{318, L"no permission"},
};

} // namespace

std::span<const LanguageTextUse> LanguageTextsInUse() {
    return kTextsInUse;
}

bool IsLanguageTextInUse(int index) {
    return std::any_of(kTextsInUse.begin(), kTextsInUse.end(), [index](const auto& use) {
        return index >= use.first && index <= use.last;
    });
}

int MaxTextLength(const LanguageTextUse& use) {
    return use.widthPx / kPixelsPerCharacter;
}

std::span<const AddedLanguageText> AddedLanguageTexts() {
    return kAddedTexts;
}

} // namespace ferrox
