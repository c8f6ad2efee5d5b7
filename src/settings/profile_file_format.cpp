// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profile_file.h"

#include "base/text_lines.h"

#include <cwchar>

namespace ferrox {

namespace {

std::wstring Hex2(unsigned value) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%.2X", value & 0xFF);
    return text;
}

std::wstring Hex4(unsigned value) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%.4X", value & 0xFFFF);
    return text;
}

std::wstring HexRgb(Colour colour) {
    return Hex2(RedOf(colour)) + Hex2(GreenOf(colour)) + Hex2(BlueOf(colour));
}

template <typename Array> std::wstring JoinHex2(const Array& values, const wchar_t* separator) {
    std::wstring text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i ? separator : L"") + Hex2(values[i]);
    return text;
}

// Ten groups of ten, "|" inside a group, each group closed by ";".
template <typename Table, typename Format> std::wstring Groups(const Table& table, Format format) {
    std::wstring text;
    for (const auto& group : table) {
        for (std::size_t i = 0; i < group.size(); ++i)
            text += (i ? L"|" : L"") + format(group[i]);
        text += L";";
    }
    return text;
}

std::wstring ActionsText(const MacroKey& macro) {
    std::wstring text;
    text.reserve(MacroActionCapacity * 8);
    for (const MacroAction& action : macro.actions)
        text += Hex2(action.b0) + Hex2(action.b1) + Hex2(action.b2) + Hex2(action.b3);
    return text;
}

void AddDpiLines(std::vector<std::wstring>& lines, const ProfileSettings& p) {
    lines.push_back(L"DPIOffOnFlagValue=" + Hex2(p.dpiEnableMask));
    for (int level = 0; level < DpiLevelCount; ++level)
        lines.push_back(L"\tXYSetting" + std::to_wstring(level + 1) + L"Value=" +
                        Hex4(p.dpiStep[level]));
    lines.push_back(L"\tCurrentDPILevelValue=" + Hex2(p.currentDpiLevel));
    for (int level = 0; level < DpiLevelCount; ++level)
        lines.push_back(L"\tDPILevelIndication" + std::to_wstring(level) + L"Valuer=" +
                        HexRgb(p.dpiColour[level]));
    lines.push_back(L"\tAngleSnapValue=" + Hex2(p.angleSnap));
    lines.push_back(L"\tLiftDetectionValue=" + Hex2(p.liftDetection));
}

void AddLightingLines(std::vector<std::wstring>& lines, const ProfileSettings& p) {
    const LightingSettings& l = p.lighting;
    lines.push_back(L"Lighting1Name=" + SingleLine(l.name));
    lines.push_back(L"\tLighting1ModeValue=" + Hex2(l.mode) + Hex2(l.spare[0]) + Hex2(l.spare[1]));
    lines.push_back(L"\tLighting1OffOn=" + Hex2(l.onOff));
    lines.push_back(L"\tLighting1Speed=" + JoinHex2(l.speed, L"|"));
    lines.push_back(L"\tLighting1Brightness=" + JoinHex2(l.brightness, L"|"));
    lines.push_back(L"\tLighting1ColorSelected=" +
                    Groups(l.colourSelected, [](std::uint8_t v) { return Hex2(v); }));
    lines.push_back(L"\tLighting1FixedColor=" + Groups(l.colour, HexRgb));
    lines.push_back(L"\tLighting1Direction=" + JoinHex2(l.direction, L"|"));
    const Lighting2Settings& l2 = p.lighting2;
    lines.push_back(L"Lighting2Name=" + SingleLine(l2.name));
    lines.push_back(L"\tLighting2ModeValue=" + JoinHex2(l2.modeValue, L""));
    lines.push_back(L"\tLighting2OffOn=" + Hex2(l2.onOff));
    lines.push_back(L"\tLighting2Speed=" + Hex2(l2.speed));
    lines.push_back(L"\tLighting2Brightness=" + Hex2(l2.brightness));
    lines.push_back(L"\tLighting2FixedColor=" + HexRgb(l2.colour));
}

void AddKeyLines(std::vector<std::wstring>& lines, const ProfileSettings& p) {
    for (int k = 0; k < KeySlotCount; ++k) {
        const KeySlot& slot = p.keys[k];
        std::wstring number = std::to_wstring(k);
        lines.push_back(L"Key" + number + L"Name=" + SingleLine(slot.name));
        lines.push_back(L"\tKey" + number + L"Value=" + Hex2(slot.function.category) +
                        Hex2(slot.function.param1) + Hex2(slot.function.param2));
        lines.push_back(L"\tMacroKeyIndex=" + std::to_wstring(slot.macroKeyIndex));
        lines.push_back(L"\tMacroKey" + number + L"Name=" + SingleLine(slot.macro.name));
        lines.push_back(L"\t\tMacroActionNum=" + std::to_wstring(slot.macro.MacroActionNum));
        lines.push_back(L"\t\tAllAction=" + ActionsText(slot.macro));
    }
}

} // namespace

std::vector<std::wstring> FormatProfileLines(const ProfileSettings& profile) {
    std::vector<std::wstring> lines{L"[Setting]"};
    lines.reserve(ProfileFileLineCount);
    for (const KeyValuePair& pair : profile.profileKeys)
        lines.push_back(SingleLine(pair.key) + L"=" + SingleLine(pair.value));
    AddDpiLines(lines, profile);
    lines.push_back(L"PollingRateName=" + SingleLine(profile.reportRate.name));
    lines.push_back(L"\tPollingRateValue=" + Hex2(profile.reportRate.rate) +
                    Hex2(profile.reportRate.spare[0]) + Hex2(profile.reportRate.spare[1]));
    AddLightingLines(lines, profile);
    AddKeyLines(lines, profile);
    return lines;
}

} // namespace ferrox
