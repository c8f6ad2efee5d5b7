// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/virtual_keys.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace ferrox::vk {
namespace {

constexpr std::array<std::pair<int, int>, 22> QtToVirtual{{
    {Qt::Key_Backspace, Back},  {Qt::Key_Tab, Tab},        {Qt::Key_Backtab, Tab},
    {Qt::Key_Return, Return},   {Qt::Key_Enter, Return},   {Qt::Key_Shift, Shift},
    {Qt::Key_Control, Control}, {Qt::Key_Alt, Menu},       {Qt::Key_Escape, Escape},
    {Qt::Key_Space, Space},     {Qt::Key_PageUp, Prior},   {Qt::Key_PageDown, Next},
    {Qt::Key_End, End},         {Qt::Key_Home, Home},      {Qt::Key_Left, Left},
    {Qt::Key_Up, Up},           {Qt::Key_Right, Right},    {Qt::Key_Down, Down},
    {Qt::Key_Insert, Insert},   {Qt::Key_Delete, Delete},  {Qt::Key_AltGr, Menu},
    {Qt::Key_Meta, 0x5B},
}};

} // namespace

int Of(const QKeyEvent& event) {
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // Qt's codes for these are their ASCII codes, as the virtual keys are
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return F1 + (key - Qt::Key_F1);
    for (const auto& [qt, virtualKey] : QtToVirtual)
        if (qt == key)
            return virtualKey;
    return 0;
}

} // namespace ferrox::vk
