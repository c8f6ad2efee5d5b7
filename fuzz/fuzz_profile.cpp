// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A profile file (*.psf), read as an import and as a slot's own file.
// Property: a file that reads as valid writes back and reads again to the same profile.

#include "fuzz/fuzz_support.h"
#include "settings/config_table.h"
#include "settings/profile_file.h"

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetScratch();
    FillConfigDefaults();
    const fs::path input = ScratchFolder() / "input.psf";
    WriteBytes(input, data, size);

    ProfileSettings profile;
    ResetProfile(profile, 0);
    if (LoadProfileFile(input, profile)) {
        Profiles[0] = profile;
        const fs::path copy = ScratchFolder() / "copy.psf";
        Check(WriteProfileFile(0, copy), "a profile is written");
        ProfileSettings again;
        ResetProfile(again, 1);
        Check(LoadProfileFile(copy, again), "a written profile reads as valid");
        Check(FormatProfileLines(again) == FormatProfileLines(profile),
              "a written profile reads back the same");
    }
    // The start-up path: a damaged slot file is kept aside and replaced by defaults.
    ReadProfileFile(1, input);
    return 0;
}
