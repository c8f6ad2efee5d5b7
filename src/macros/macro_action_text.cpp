// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_action_text.h"

#include "keys/key_names.h"

namespace ferrox {
namespace {

// Signed 8-bit distance in b3: "positive" text up to 127, the other direction above.
std::wstring Signed(const wchar_t* positive, const wchar_t* negative, std::uint8_t b3) {
    if (b3 <= 127)
        return positive + std::to_wstring(b3);
    return negative + std::to_wstring(256 - b3);
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return -1;
}

std::uint8_t ParseHexByte(wchar_t hi, wchar_t lo) {
    int h = HexDigit(hi);
    if (h < 0)
        return 0;
    int l = HexDigit(lo);
    return std::uint8_t(l < 0 ? h : h * 16 + l);
}

} // namespace

std::wstring MacroActionText(MacroAction a) {
    if (a.IsDelay())
        return std::to_wstring(a.DelayMs()) + L"ms";
    switch (a.b0) {
    case MacroActionCode::MoveX:
        return Signed(L"Move Right ", L"Move Left ", a.b3);
    case MacroActionCode::MoveY:
        return Signed(L"Move Down ", L"Move Up ", a.b3);
    case MacroActionCode::Wheel:
        return Signed(L"Wheel Down ", L"Wheel Up ", a.b3);
    default:
        return std::wstring(KeyName(a.b0));
    }
}

std::wstring FormatMacroActions(const MacroActionSlots& slots) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring text(MacroAllActionLength, L'0');
    std::size_t pos = 0;
    for (const MacroAction& a : slots)
        for (std::uint8_t byte : {a.b0, a.b1, a.b2, a.b3}) {
            text[pos++] = kHex[byte >> 4];
            text[pos++] = kHex[byte & 0x0F];
        }
    return text;
}

bool ParseMacroActions(std::wstring_view value, MacroActionSlots& slots) {
    if (value.size() != MacroAllActionLength)
        return false;
    for (std::size_t i = 0; i < MacroActionCapacity; ++i) {
        const wchar_t* p = value.data() + i * 8;
        slots[i] = {ParseHexByte(p[0], p[1]), ParseHexByte(p[2], p[3]), ParseHexByte(p[4], p[5]),
                    ParseHexByte(p[6], p[7])};
    }
    return true;
}

} // namespace ferrox
