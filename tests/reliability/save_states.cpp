// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reliability/save_states.h"

#include "macros/macro_library_file.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "settings/config_table.h"
#include "settings/profile_file.h"

namespace ferrox::test {

namespace {

// Large enough that writing the library takes a while, so kills land inside that write too.
constexpr int MacrosPerSet[] = {35, 60}; // the top level holds 60
constexpr std::uint32_t ActionsPerMacro = 120;

void FillLibrary(int which, MacroLibrary& library) {
    // Key numbers start over, so each set reads the same whichever round of saves wrote it.
    library.Clear();
    library.SetNextKeyIndex(1);
    for (int m = 0; m < MacrosPerSet[which]; ++m) {
        MacroLocation at;
        library.AddMacro((which ? L"new " : L"old ") + std::to_wstring(m), at);
        MacroItem* item = library.NodeAt(at);
        if (!item || !item->macro)
            continue;
        MacroKey& macro = *item->macro;
        for (std::uint32_t i = 0; i < ActionsPerMacro; ++i)
            (void)macro.InsertAction(i, MacroAction::MakeKey(std::uint8_t(0x41 + (i + which) % 26),
                                                             i % 2));
    }
}

} // namespace

void MakeSaveState(int which, MacroLibrary& library) {
    FillConfigDefaults();
    SetConfigNumber(ConfigKey::ProfileShowCount, which ? 5 : 2);
    for (unsigned slot = 0; slot < ProfileCount; ++slot) {
        ProfileSettings& p = Profiles[slot];
        ResetProfile(p, slot);
        SetProfileValue(p, ProfileKey::ProfileName,
                        (which ? L"new " : L"old ") + std::to_wstring(slot));
        p.dpiEnableMask = which ? 0x85 : 0x3F;
        p.reportRate.rate = static_cast<std::uint8_t>(which ? 1 : 3);
    }
    SetCurrentSlot(which ? 4 : 1);
    FillLibrary(which, library);
}

bool SaveEverything(const MacroLibrary& library) {
    // The library as the window writes it, on the saving thread, while this thread writes the
    // configuration and the profiles.
    bool macros = false;
    UserMacroLibrarySaves().Save(library, UserMacroLibraryWrite(),
                                 [&macros](bool saved) { macros = saved; });
    const bool config = SaveConfig();
    const bool profiles = SaveAllProfiles();
    UserMacroLibrarySaves().Wait();
    return macros && config && profiles;
}

SavedTexts TextsOf(int which, MacroLibrary& library) {
    MakeSaveState(which, library);
    SavedTexts texts;
    texts.config = FormatConfigLines(ConfigTable);
    for (const ProfileSettings& p : Profiles)
        texts.profiles.push_back(FormatProfileLines(p));
    texts.macros = FormatMacroLibrary(library, MacroLocation{});
    return texts;
}

} // namespace ferrox::test
