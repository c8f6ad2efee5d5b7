// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The secondary dialogs that are open, so the program can close them all when it ends.
// Entries stay packed: a dialog that leaves moves the later ones forward.

#include <array>

namespace ferrox {

class WindowBase;

inline constexpr int OpenDialogCapacity = 10;

extern std::array<WindowBase*, OpenDialogCapacity> OpenDialogTable;

// Enters the window in the first free entry; false (not entered) when all ten are taken.
bool RegisterOpenDialog(WindowBase* window);
// Removes the window if present; later entries move one place forward.
void UnregisterOpenDialog(WindowBase* window);
void ClearOpenDialogTable();
// Sends WM_CLOSE to every registered window, first entry first.
void CloseOpenDialogs();

} // namespace ferrox
