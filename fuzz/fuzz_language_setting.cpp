// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The language choice (LanSetting.ini). Property: a code that was read writes back and reads
// again to the same code.

#include "fuzz/fuzz_support.h"
#include "lang/language_parser.h"
#include "lang/language_setting.h"

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetScratch();
    WriteBytes(LanguageSettingPath(), data, size);
    const std::wstring code = ReadLanguageCode(LanguageSettingPath());
    (void)FindShippedLanguage(code);
    (void)LanguageFileName(code);
    if (!code.empty() && code.find(L'\n') == std::wstring::npos) {
        const fs::path copy = ScratchFolder() / "LanSetting.ini";
        Check(WriteLanguageSetting(copy, code), "the language choice is written");
        Check(ReadLanguageCode(copy) == code, "the language choice reads back the same");
    }
    return 0;
}
