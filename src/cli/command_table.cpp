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
    {"devices", CmdDevices, "list the mouse's and the receiver's HID interfaces"},
    {"status", CmdStatus, "query the mouse: signature, sensor, battery, charge, access"},
    {"set", CmdSet, "change a setting of the current profile, send it and save it"},
    {"apply", CmdApply, "send the whole current profile (or slot SLOT, made current)"},
    {"reset", CmdReset, "factory-reset the mouse and the current profile"},
    {"show", CmdShow, "print a profile: show [SLOT] (default the current one)"},
    {"config", CmdConfig, "print the global configuration table"},
    {"profile", CmdProfile, "export, import, add, rename, delete or use a profile slot"},
    {"language", CmdLanguage, "show the interface language, or choose EN, RU or UA"},
    {"macro", CmdMacro, "list the macro library; export or import macros and sets"},
    {"autostart", CmdAutostart, "start the window program hidden at login: on, off, or show"},
    {"virtual", CmdVirtual,
     "play with the mouse of a running ferrox --simulate: dpi-button, rate, plug, unplug, "
     "battery, charging, show-button"},
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
