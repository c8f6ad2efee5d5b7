// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro dialogs' way to the disk: the library is copied now and written on the saving
// thread, and how that went comes back to this thread, the window's.

#include "macros/macro_library_saves.h"

#include <functional>

namespace ferrox {

// told runs on this thread once the write has ended: whatever it touches may have gone by
// then, so it holds guards (QPointer), not bare pointers.
void SaveLibraryAside(const MacroLibrary& library, MacroLibrarySaves::Write write,
                      std::function<void(bool saved)> told);

} // namespace ferrox
