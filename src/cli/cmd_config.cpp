// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl config: the global configuration table as the program holds it after start-up.

#include "base/text_file.h"
#include "cli/command_table.h"
#include "cli/data_load.h"
#include "cli/json_text.h"
#include "settings/config_table.h"
#include "settings/profile_settings.h"
#include "startup/startup_load.h"

#include <algorithm>
#include <ostream>

namespace ferrox {
namespace {

void PrintText(std::ostream& out) {
    for (const KeyValuePair& pair : ConfigTable)
        out << ToUtf8(pair.key) << "=" << ToUtf8(pair.value) << "\n";
    ProfileBarList bar = ReadProfileBar();
    out << "\ncurrent profile slot " << CurrentSlot() << ", sensor "
        << ToUtf8(FormatSensorHex(SensorId)) << ", profile bar:";
    for (int pos = 0; pos < bar.count; ++pos)
        out << " " << bar.slots[pos];
    out << (bar.count ? "" : " (empty)") << "\n";
}

void PrintJson(std::ostream& out) {
    out << "{\n  " << kJsonFormatMember << ",\n  \"pairs\": [";
    for (std::size_t i = 0; i < ConfigTable.size(); ++i)
        out << (i ? ",\n" : "\n") << "    {\"key\": " << JsonString(ToUtf8(ConfigTable[i].key))
            << ", \"value\": " << JsonString(ToUtf8(ConfigTable[i].value)) << "}";
    ProfileBarList bar = ReadProfileBar();
    out << "\n  ],\n  \"currentSlot\": " << CurrentSlot() << ",\n  \"sensor\": " << SensorId
        << ",\n  \"startHidden\": "
        << (ConfigNumber(ConfigKey::NeedPassword) != 0 ? "true" : "false")
        << ",\n  \"profileBar\": {\"count\": " << bar.count << ", \"slots\": [";
    for (int pos = 0; pos < ProfileCount; ++pos)
        out << (pos ? ", " : "") << bar.slots[pos];
    out << "]},\n  \"profiles\": [";
    for (int slot = 0; slot < ProfileCount; ++slot) {
        const auto shown = std::find(bar.slots.begin(), bar.slots.begin() + bar.count, slot);
        out << (slot ? ",\n" : "\n") << "    {\"slot\": " << slot << ", \"name\": "
            << JsonString(ToUtf8(ProfileValue(Profiles[slot], ProfileKey::ProfileName)))
            << ", \"onBar\": " << (shown != bar.slots.begin() + bar.count ? "true" : "false")
            << ", \"file\": " << JsonString(ProfileSlotPath(slot).string()) << "}";
    }
    out << "\n  ]\n}\n";
}

} // namespace

int CmdConfig(CliContext& context) {
    if (!context.args.empty()) {
        context.err << "ferroxctl config: unexpected argument " << context.args.front() << "\n";
        return kExitUsage;
    }
    const int status = LoadToRead(context, "config");
    if (context.json)
        PrintJson(context.out);
    else
        PrintText(context.out);
    return status;
}

} // namespace ferrox
