// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/open_dialog_table.h"

#include "platform/window_base.h"

#include <QPointer>

#include <algorithm>

namespace ferrox {

std::array<WindowBase*, OpenDialogCapacity> OpenDialogTable{};

bool RegisterOpenDialog(WindowBase* window) {
    // A second entry for one window would outlive it: its destruction removes only one.
    if (std::find(OpenDialogTable.begin(), OpenDialogTable.end(), window) != OpenDialogTable.end())
        return window != nullptr;
    const auto free = std::find(OpenDialogTable.begin(), OpenDialogTable.end(), nullptr);
    if (!window || free == OpenDialogTable.end())
        return false;
    *free = window;
    return true;
}

void UnregisterOpenDialog(WindowBase* window) {
    const auto found = std::find(OpenDialogTable.begin(), OpenDialogTable.end(), window);
    if (!window || found == OpenDialogTable.end())
        return;
    std::move(found + 1, OpenDialogTable.end(), found);
    OpenDialogTable.back() = nullptr;
}

void ClearOpenDialogTable() {
    OpenDialogTable.fill(nullptr);
}

void CloseOpenDialogs() {
    // A closing dialog may leave the table (and so shift it), or take another dialog with it,
    // while we walk: walk guarded copies.
    std::array<QPointer<WindowBase>, OpenDialogCapacity> open;
    std::copy(OpenDialogTable.begin(), OpenDialogTable.end(), open.begin());
    for (const auto& window : open)
        if (window)
            window->SendMessage(WM_CLOSE);
}

} // namespace ferrox
