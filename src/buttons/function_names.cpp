// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_names.h"

#include "buttons/function_presets.h"
#include "keys/key_codes.h"
#include "keys/key_names.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace ferrox {

namespace {

constexpr int FireKeyText = 26;
constexpr std::uint8_t FireKeyMinimum = 5;
constexpr std::uint8_t AllModifiers = 0x0F;
constexpr std::wstring_view UnnamedKey = L"Undefined";

// The shortcut dialog's modifier boxes, in the order their names are put together. Names
// stored before the fourth box said "Super" read "Win+"; they are recognised, never written.
struct ModifierName {
    std::uint8_t bit;
    std::wstring_view prefix;
    std::wstring_view earlierPrefix;
};
constexpr std::array<ModifierName, 4> ModifierNames{{
    {ModifierBit::Ctrl, L"Ctrl+", L"Ctrl+"},
    {ModifierBit::Shift, L"Shift+", L"Shift+"},
    {ModifierBit::Alt, L"Alt+", L"Alt+"},
    {ModifierBit::Win, L"Super+", L"Win+"},
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

std::wstring TextOf(const LanguageTexts& texts, int index) {
    return index >= 0 && index < kLanguageTextCount ? texts[std::size_t(index)] : std::wstring();
}

std::optional<std::wstring> PresetName(const ButtonFunction& f, const LanguageTexts& texts) {
    for (const FunctionPreset& preset : FunctionMenuPresets) {
        if (preset.action == PresetAction::Assign && preset.function == f) {
            return TextOf(texts, preset.textIndex);
        }
    }
    for (auto table : {std::span<const FunctionCode>(DpiSwitchPresets),
                       std::span<const FunctionCode>(MultimediaPresets),
                       std::span<const FunctionCode>(OfficePresets),
                       std::span<const FunctionCode>(WindowsPresets)}) {
        for (const FunctionCode& code : table) {
            if (code.function == f) {
                return TextOf(texts, code.textIndex);
            }
        }
    }
    for (std::size_t k = 0; k < DpiLockLabels.size(); ++k) {
        if (DpiLockFunction(static_cast<int>(k) + 1) == f) {
            return TextOf(texts, DpiLockTextIndex) + L"-" + DpiLockLabels[k];
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

std::wstring ComposedName(std::uint8_t modifiers, std::wstring_view keyName, bool earlier) {
    std::wstring name;
    for (const ModifierName& m : ModifierNames) {
        if (modifiers & m.bit) {
            name += earlier ? m.earlierPrefix : m.prefix;
        }
    }
    return WithoutTrailingPlus(name + std::wstring(keyName));
}

// The keys a combination's usage stands for, by name: those that share a usage (Esc and its
// unnamed twin) are all candidates, a combination of modifiers alone has the empty name.
std::vector<std::wstring_view> KeyNamesOfUsage(std::uint8_t usage) {
    if (usage == 0) {
        return {std::wstring_view()};
    }
    std::vector<std::wstring_view> names;
    for (unsigned code = 0; code < KeyCodeTable.size(); ++code) {
        if (KeyUsage(code) == usage && KeyName(code) != UnnamedKey) {
            names.push_back(KeyName(code));
        }
    }
    return names;
}

std::wstring KeyComboName(const ButtonFunction& f) {
    const auto keys = KeyNamesOfUsage(f.param2);
    return ComposedName(f.param1, keys.empty() ? std::wstring_view() : keys.front(), false);
}

// A combination the shortcut dialog composed, in today's spelling, keeping the key it was
// captured with; nothing when the stored name is a menu's.
std::optional<std::wstring> CapturedComboName(const ButtonFunction& f, const std::wstring& stored) {
    for (std::wstring_view key : KeyNamesOfUsage(f.param2)) {
        if (stored == ComposedName(f.param1, key, false) ||
            stored == ComposedName(f.param1, key, true)) {
            return ComposedName(f.param1, key, false);
        }
    }
    return std::nullopt;
}

} // namespace

bool IsChoosableFunction(const ButtonFunction& function) {
    return PresetName(function, LanguageTable).has_value() || IsKeyCombo(function) ||
           IsFireKey(function);
}

std::wstring ShortcutName(std::uint8_t modifiers, std::wstring_view keyName) {
    return ComposedName(modifiers, keyName, false);
}

std::wstring ChosenFunctionName(const ButtonFunction& function) {
    if (auto preset = PresetName(function, LanguageTable)) {
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

std::wstring SlotDisplayName(const KeySlot& slot, const LanguageTexts& texts) {
    const ButtonFunction& f = slot.function;
    if (f.Category() == FunctionCategory::Macro) {
        return slot.name;
    }
    if (IsKeyCombo(f)) {
        if (auto captured = CapturedComboName(f, slot.name)) {
            return *captured;
        }
    }
    if (auto preset = PresetName(f, texts)) {
        return *preset;
    }
    if (IsKeyCombo(f)) {
        return KeyComboName(f);
    }
    if (IsFireKey(f)) {
        return WithoutTrailingPlus(TextOf(texts, FireKeyText));
    }
    return slot.name;
}

} // namespace ferrox
