// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/key_event_translation.h"

#include "keys/key_capture.h"

#include <QKeyEvent>

#include <algorithm>
#include <iterator>

namespace ferrox {
namespace {

// X11 key codes and the Wayland platform's native scan codes are evdev codes plus 8.
constexpr quint32 kEvdevOffset = 8;

struct QtKeyRow {
    int qtKey;
    std::uint8_t key;
};

// Keypad keys by position, whatever the Num Lock state made of them.
constexpr QtKeyRow kKeypadKeys[] = {
    {Qt::Key_0, 0x60},        {Qt::Key_1, 0x61},        {Qt::Key_2, 0x62},
    {Qt::Key_3, 0x63},        {Qt::Key_4, 0x64},        {Qt::Key_5, 0x65},
    {Qt::Key_6, 0x66},        {Qt::Key_7, 0x67},        {Qt::Key_8, 0x68},
    {Qt::Key_9, 0x69},        {Qt::Key_Insert, 0x60},   {Qt::Key_End, 0x61},
    {Qt::Key_Down, 0x62},     {Qt::Key_PageDown, 0x63}, {Qt::Key_Left, 0x64},
    {Qt::Key_Clear, 0x65},    {Qt::Key_Right, 0x66},    {Qt::Key_Home, 0x67},
    {Qt::Key_Up, 0x68},       {Qt::Key_PageUp, 0x69},   {Qt::Key_Asterisk, 0x6A},
    {Qt::Key_Plus, 0x6B},     {Qt::Key_Minus, 0x6D},    {Qt::Key_Period, 0x6E},
    {Qt::Key_Delete, 0x6E},   {Qt::Key_Slash, 0x6F},    {Qt::Key_Comma, 0xF4},
    {Qt::Key_Enter, 0x0E},    {Qt::Key_Return, 0x0E},
};

// Without a position the side of a modifier is unknown: the left one is taken.
constexpr QtKeyRow kMainKeys[] = {
    {Qt::Key_Backspace, 0x08},   {Qt::Key_Tab, 0x09},          {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},      {Qt::Key_Enter, 0x0E},        {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},    {Qt::Key_Escape, 0x1B},       {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},      {Qt::Key_PageDown, 0x22},     {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},        {Qt::Key_Left, 0x25},         {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},       {Qt::Key_Down, 0x28},         {Qt::Key_Print, 0x2C},
    {Qt::Key_SysReq, 0x2C},      {Qt::Key_Insert, 0x2D},       {Qt::Key_Delete, 0x2E},
    {Qt::Key_Help, 0x2F},        {Qt::Key_Meta, 0x5B},         {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},     {Qt::Key_Menu, 0x5D},         {Qt::Key_Sleep, 0x5F},
    {Qt::Key_NumLock, 0x90},     {Qt::Key_ScrollLock, 0x91},   {Qt::Key_Shift, 0xA0},
    {Qt::Key_Control, 0xA2},     {Qt::Key_Alt, 0xA4},          {Qt::Key_AltGr, 0xA5},
    {Qt::Key_Semicolon, 0xBA},   {Qt::Key_Equal, 0xBB},        {Qt::Key_Comma, 0xBC},
    {Qt::Key_Minus, 0xBD},       {Qt::Key_Period, 0xBE},       {Qt::Key_Slash, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},   {Qt::Key_BracketLeft, 0xDB},  {Qt::Key_Backslash, 0xDC},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},  {Qt::Key_PowerOff, 0xF0},
    {Qt::Key_WakeUp, 0xF1},      {Qt::Key_Hiragana_Katakana, 0xF6},
    {Qt::Key_Henkan, 0xF8},      {Qt::Key_Muhenkan, 0xF9},     {Qt::Key_Hangul, 0xFA},
    {Qt::Key_Hangul_Hanja, 0xFB},
};

template <std::size_t N> std::uint8_t Find(const QtKeyRow (&rows)[N], int qtKey) {
    const auto found =
        std::find_if(std::begin(rows), std::end(rows), [&](const QtKeyRow& row) {
            return row.qtKey == qtKey;
        });
    return found == std::end(rows) ? 0 : found->key;
}

} // namespace

std::uint8_t VirtualKeyFromQtKey(int qtKey, bool keypad) {
    if (keypad) {
        if (const std::uint8_t key = Find(kKeypadKeys, qtKey))
            return key;
    }
    // Letters and digits carry the same codes in both worlds.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return std::uint8_t(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return std::uint8_t(0x70 + (qtKey - Qt::Key_F1));
    return Find(kMainKeys, qtKey);
}

std::uint8_t VirtualKeyOf(const QKeyEvent& event) {
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode > kEvdevOffset)
        return VirtualKeyFromScanCode(scanCode - kEvdevOffset);
    // Synthetic events and platforms without scan codes (offscreen) carry the Qt key only.
    return VirtualKeyFromQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

} // namespace ferrox
