// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A language file (Lan*.txt) as the program reads it at start.

#include "fuzz/fuzz_support.h"
#include "lang/language_loader.h"

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetScratch();
    const fs::path input = ScratchFolder() / "config" / "Lan.txt";
    WriteBytes(input, data, size);
    static LanguageTexts texts;
    LanguageFont font;
    ReadLanguageFile(input, 1.5f, texts, font);
    // Start-up: no LanSetting.ini, so this same file is the default language.
    LoadLanguage();
    return 0;
}
