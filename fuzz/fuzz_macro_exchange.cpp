// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Macro exchange files (.mkf one macro, .mbf a set) imported into a library that already holds
// a folder and macros. Property: an import that reports failure leaves the library as it was.

#include "fuzz/fuzz_support.h"
#include "macros/macro_exchange.h"
#include "macros/macro_library_file.h"

using namespace ferrox;
using namespace ferrox::fuzz;

namespace {

// A few names an exchange file may well collide with.
void Fill(MacroLibrary& library) {
    library.Clear();
    MacroLocation folder;
    library.AddFolder(L"Folder", folder);
    MacroLocation inside = folder;
    library.AddMacro(L"Macro", inside);
    MacroLocation top;
    library.AddMacro(L"Top", top);
}

void Import(bool set, const fs::path& path, MacroLocation selection) {
    static MacroLibrary library;
    Fill(library);
    const std::wstring before = FormatMacroLibrary(library, MacroLocation{});
    const MacroImportResult result =
        set ? ImportMacroSet(library, selection, path) : ImportMacro(library, selection, path);
    if (result.status != MacroImportStatus::Imported) {
        Check(FormatMacroLibrary(library, MacroLocation{}) == before,
              "a refused import changes nothing");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetScratch();
    const fs::path input = ScratchFolder() / "input.mbf";
    WriteBytes(input, data, size);
    MacroLocation inFolder;
    inFolder.stage = 0;
    for (bool set : {false, true}) {
        Import(set, input, MacroLocation{});
        Import(set, input, inFolder);
    }
    return 0;
}
