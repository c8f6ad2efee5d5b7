// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The macro library file (.mlf), through the reader the program uses at start.
// Property: a file that reads cleanly writes back and reads again to the same library.

#include "fuzz/fuzz_support.h"
#include "macros/macro_library_file.h"
#include "macros/macro_user_library.h"

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetScratch();
    static MacroLibrary library;
    static MacroLibrary again;
    const fs::path input = ScratchFolder() / "input.mlf";
    WriteBytes(input, data, size);

    MacroLocation selection;
    if (ReadMacroLibrary(input, library, selection)) {
        const fs::path copy = ScratchFolder() / "copy.mlf";
        Check(WriteMacroLibrary(copy, library, selection), "a library is written");
        MacroLocation selectionAgain;
        Check(ReadMacroLibrary(copy, again, selectionAgain), "a written library reads cleanly");
        Check(FormatMacroLibrary(again, selectionAgain) == FormatMacroLibrary(library, selection),
              "a written library reads back the same");
    }
    // The user's own file: a damaged one loads what it can and is kept aside.
    WriteBytes(UserMacroLibraryPath(), data, size);
    LoadUserMacroLibrary(library);
    return 0;
}
