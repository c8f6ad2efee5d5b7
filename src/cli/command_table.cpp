// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"

#include <algorithm>

namespace ferrox {

int CmdDevices(CliContext& context);
int CmdStatus(CliContext& context);
int CmdSet(CliContext& context);
int CmdApply(CliContext& context);
int CmdReset(CliContext& context);
int CmdShow(CliContext& context);
int CmdConfig(CliContext& context);
int CmdProfile(CliContext& context);
int CmdLanguage(CliContext& context);
int CmdMacro(CliContext& context);
int CmdAutostart(CliContext& context);
int CmdVirtual(CliContext& context);

namespace {

constexpr CliCommand kCommands[] = {
    {"devices", CmdDevices, "list the mouse's and the receiver's HID interfaces", "devices"},
    {"status", CmdStatus, "query the mouse: signature, sensor, battery, charge, access",
     "status"},
    {"set", CmdSet, "change a setting of the current profile, send it and save it", {},
     SetForms},
    {"apply", CmdApply, "send the whole current profile (or slot SLOT, made current)",
     "apply [SLOT]"},
    {"reset", CmdReset, "factory-reset the mouse and the current profile", "reset"},
    {"show", CmdShow, "print a profile: show [SLOT] (default the current one)", "show [SLOT]"},
    {"config", CmdConfig, "print the global configuration table", "config"},
    {"profile", CmdProfile, "export, import, add, rename, delete or use a profile slot",
     "profile export SLOT FILE\n"
     "profile import SLOT FILE\n"
     "profile add NAME\n"
     "profile rename SLOT NAME\n"
     "profile delete SLOT\n"
     "profile use SLOT"},
    {"language", CmdLanguage, "show the interface language, or choose EN, RU or UA",
     "language [EN|RU|UA]"},
    {"macro", CmdMacro, "list the macro library; export or import macros and sets",
     "macro list\n"
     "macro export PATH FILE\n"
     "macro import FILE [FOLDER]\n"
     "macro export-set [PATH] FILE\n"
     "macro import-set FILE [FOLDER]"},
    {"autostart", CmdAutostart, "start the window program hidden at login: on, off, or show",
     "autostart [on|off|show]"},
    {"virtual", CmdVirtual,
     "play with the mouse of a running ferrox --simulate: dpi-button, rate, plug, unplug, "
     "battery, charging, show-button",
     "virtual dpi-button\n"
     "virtual rate 125|250|500|1000\n"
     "virtual plug|unplug wired|receiver\n"
     "virtual battery 0..255\n"
     "virtual charging on|off|full\n"
     "virtual show-button on|off"},
};

} // namespace

std::span<const CliCommand> CommandTable() {
    return kCommands;
}

const CliCommand* FindCommand(std::string_view name) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [&](const CliCommand& c) { return c.name == name; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

} // namespace ferrox
