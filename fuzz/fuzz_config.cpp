// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// config.ini as the program reads it at start: the configuration, then the profiles it names.
// Property: what was loaded and then saved loads again to the same configuration and profiles.

#include "fuzz/fuzz_support.h"
#include "settings/config_file.h"
#include "settings/config_table.h"
#include "settings/profile_file.h"
#include "base/text_lines.h"

using namespace ferrox;
using namespace ferrox::fuzz;

namespace {

// The profile paths of a configuration that parses; they must stay inside the scratch folder.
bool ProfilePathsStayInScratch() {
    auto lines = ReadTextLines(ConfigFilePath(), 1 << 20, ConfigPairCount + 2);
    auto table = lines ? ParseConfigLines(*lines) : std::nullopt;
    if (!table)
        return true;
    for (int slot = 0; slot < ProfileCount; ++slot) {
        if (!StaysInScratch((*table)[ConfigKey::ProfileSlot0URL + slot].value))
            return false;
    }
    return true;
}

std::array<std::vector<std::wstring>, ProfileCount> ProfileTexts() {
    std::array<std::vector<std::wstring>, ProfileCount> texts;
    for (int slot = 0; slot < ProfileCount; ++slot)
        texts[slot] = FormatProfileLines(Profiles[slot]);
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetScratch();
    WriteBytes(ConfigFilePath(), data, size);
    if (!ProfilePathsStayInScratch())
        return -1;
    LoadConfig();
    Check(SaveConfig(), "the configuration is saved");
    SaveAllProfiles(); // a slot whose path cannot be written keeps its settings in memory
    const auto config = ConfigTable;
    const auto profiles = ProfileTexts();
    Check(LoadConfig(), "a saved configuration reads as valid");
    Check(ConfigTable == config, "a saved configuration reads back the same");
    Check(ProfileTexts() == profiles, "saved profiles read back the same");
    return 0;
}
