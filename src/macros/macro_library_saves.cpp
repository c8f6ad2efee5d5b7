// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_library_saves.h"

#include <memory>

namespace ferrox {

void MacroLibrarySaves::Save(const MacroLibrary& library, Write write, Done done) {
    // Copied here, on the caller's thread: the library goes on changing once this returns.
    std::shared_ptr<const MacroLibrary> copy = library.Copy();
    thread_.Save([copy, write = std::move(write)] { return write(*copy); }, std::move(done));
}

} // namespace ferrox
