// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a macro key stays tied to its library macro. Profile files keep only the key index, the
// name and the actions of a key's macro copy; the loop settings and the command count live in
// the library, so the copy is brought back in line with the library whenever it is read or
// sent.

#include "buttons/key_slot.h"
#include "macros/macro_library.h"

namespace ferrox {

// The library macro a macro key names by its key index; null when the key plays no macro or
// its macro has left the library.
const MacroKey* LinkedMacro(const KeySlot& key, const MacroLibrary& library);

// The copy takes the source's key index, loop type and count, command count and actions; its
// name stays. True when the actions or their count changed (what the profile file holds).
bool RefreshMacroCopy(KeySlot& key, const MacroKey& source);

// RefreshMacroCopy for every macro key whose macro is in the library. True when any changed.
bool RefreshMacroCopies(KeyTable& keys, const MacroLibrary& library);

} // namespace ferrox
