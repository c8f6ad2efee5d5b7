// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_names.h"

#include "buttons/function_presets.h"
#include "keys/key_codes.h"
#include "keys/key_names.h"
#include "lang/language_table.h"

#include <array>
#include <optional>
#include <span>

namespace ferrox {

namespace {

constexpr int FireKeyText = 26;
constexpr std::uint8_t FireKeyMinimum = 5;
constexpr std::uint8_t AllModifiers = 0x0F;

// The shortcut dialog's modifier boxes, in the order their names are put together.
struct ModifierName {
    std::uint8_t bit;
    const wchar_t* prefix;
};
constexpr std::array<ModifierName, 4> ModifierNames{{
    {ModifierBit::Ctrl, L"Ctrl+"},
    {ModifierBit::Shift, L"Shift+"},
    {ModifierBit::Alt, L"Alt+"},
    {ModifierBit::Win, L"Win+"},
}};

// Keys the shortcut dialog can take: the keyboard codes, without the Win and sided modifier
// keys (modifiers come from the boxes) and without Enter and Escape, which end the dialog.
bool CapturableKey(unsigned code) {
    const bool keyboard = (code >= 0x08 && code <= 0xDF) || (code >= 0xF0 && code <= 0xFB);
    const bool modifier = code == 0x5B || code == 0x5C || (code >= 0xA0 && code <= 0xA5);
    return keyboard && !modifier && code != 0x0D && code != 0x1B;
}

// The first capturable key with this usage; usage 0 is that of keys the mouse cannot send,
// whose names the code does not keep.
std::optional<unsigned> KeyOfUsage(std::uint8_t usage) {
    for (unsigned code = 0; code < KeyCodeTable.size(); ++code) {
        if (CapturableKey(code) && KeyUsage(code) == usage) {
            return code;
        }
    }
    return std::nullopt;
}

bool IsKeyCombo(const ButtonFunction& f) {
    return f.Category() == FunctionCategory::KeyCombo && f.param1 <= AllModifiers &&
           KeyOfUsage(f.param2).has_value();
}

bool IsFireKey(const ButtonFunction& f) {
    return f.Category() == FunctionCategory::FireKey && f.param1 >= FireKeyMinimum;
}

std::optional<std::wstring> PresetName(const ButtonFunction& f) {
    for (const FunctionPreset& preset : FunctionMenuPresets) {
        if (preset.action == PresetAction::Assign && preset.function == f) {
            return LanguageText(preset.textIndex);
        }
    }
    for (auto table : {std::span<const FunctionCode>(DpiSwitchPresets),
                       std::span<const FunctionCode>(MultimediaPresets),
                       std::span<const FunctionCode>(OfficePresets),
                       std::span<const FunctionCode>(WindowsPresets)}) {
        for (const FunctionCode& code : table) {
            if (code.function == f) {
                return LanguageText(code.textIndex);
            }
        }
    }
    for (std::size_t k = 0; k < DpiLockLabels.size(); ++k) {
        if (DpiLockFunction(static_cast<int>(k) + 1) == f) {
            return LanguageText(DpiLockTextIndex) + L"-" + DpiLockLabels[k];
        }
    }
    return std::nullopt;
}

std::wstring WithoutTrailingPlus(std::wstring name) {
    if (!name.empty() && name.back() == L'+') {
        name.pop_back();
    }
    return name;
}

std::wstring KeyComboName(const ButtonFunction& f) {
    std::wstring name;
    for (const ModifierName& m : ModifierNames) {
        if (f.param1 & m.bit) {
            name += m.prefix;
        }
    }
    if (f.param2 != 0) {
        name += KeyName(*KeyOfUsage(f.param2));
    }
    return WithoutTrailingPlus(name);
}

} // namespace

bool IsChoosableFunction(const ButtonFunction& function) {
    return PresetName(function).has_value() || IsKeyCombo(function) || IsFireKey(function);
}

std::wstring ChosenFunctionName(const ButtonFunction& function) {
    if (auto preset = PresetName(function)) {
        return *preset;
    }
    std::wstring name;
    if (IsKeyCombo(function)) {
        name = KeyComboName(function);
    } else if (IsFireKey(function)) {
        name = WithoutTrailingPlus(LanguageText(FireKeyText));
    }
    return name.empty() ? FormatFunction(function) : name;
}

} // namespace ferrox
