// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which LanguageTable entries the program shows, and how much room each has. The shipped
// language files are checked against this table when they are built and by the tests, so a
// translation cannot silently leave a label blank.

#include <span>
#include <string_view>

namespace ferrox {

// A run of indexes first..last that share a use and a design rectangle.
struct LanguageTextUse {
    int first;
    int last;
    // Width of the narrowest place the text is drawn into, in design pixels at the 16-pixel
    // interface font (several lines count as their summed width); 0 where the desktop draws
    // it (file dialog titles, the tray menu) or where it is never drawn.
    int widthPx;
    std::string_view role;
};

std::span<const LanguageTextUse> LanguageTextsInUse();

// Whether the program shows LanguageTable[index] anywhere.
bool IsLanguageTextInUse(int index);

// Longest text, in characters, that fits the use's width (0 = no limit). An estimate: the
// interface font averages about seven pixels per character for Latin and Cyrillic text.
int MaxTextLength(const LanguageTextUse& use);

// Texts a language file may lack that must never show blank: those this program added to the
// shipped set (an older or third-party file has none of them), and the names of the tray menu's exit, the
// profile file dialogs, the notices' title and the notices about the mouse and the user's
// files. The loader fills each gap with the English wording, the one place that holds it.
struct AddedLanguageText {
    int index;
    std::wstring_view english;
};

std::span<const AddedLanguageText> AddedLanguageTexts();

} // namespace ferrox
