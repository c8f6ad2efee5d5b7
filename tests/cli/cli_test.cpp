// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl: the global options, the devices command, and the program's exit statuses.

#include "cli/cli_options.h"
#include "cli/command_table.h"
#include "device/hid/virtual_hid_backend.h"

#include "cli/ferroxctl_program.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

using test::Ferroxctl;
using test::ProgramRun;
using test::Scratch;

struct Parsed {
    CliParse result;
    std::string command;
    std::string error;
};

Parsed Parse(std::vector<std::string> args, CliContext& context) {
    Parsed p;
    p.result = ParseCommandLine(args, context, p.command, p.error);
    return p;
}

TEST(CliOptions, GlobalOptionsStandAnywhere) {
    std::ostringstream out, err;
    CliContext c(out, err);
    const Parsed p = Parse({"--json", "devices", "--data-dir", "/d", "--simulate=receiver",
                            "--simulate-state=/s", "extra", "--own"},
                           c);
    EXPECT_EQ(p.result, CliParse::Run);
    EXPECT_EQ(p.command, "devices");
    EXPECT_TRUE(c.json);
    EXPECT_FALSE(c.trace);
    EXPECT_EQ(c.dataDir, "/d");
    EXPECT_EQ(c.simulate, SimulateKind::Receiver);
    EXPECT_EQ(c.simulateState, "/s");
    EXPECT_EQ(c.args, (std::vector<std::string>{"extra", "--own"}));
}

TEST(CliOptions, HelpVersionAndErrors) {
    struct Case {
        std::vector<std::string> args;
        CliParse result;
    };
    const Case cases[] = {
        {{"--help"}, CliParse::Help},
        {{"-h", "devices"}, CliParse::Help},
        {{"set", "rate", "--help"}, CliParse::Help},
        {{"--simulate", "devices", "--version"}, CliParse::Version},
        {{"--version"}, CliParse::Version},
        {{"--simulate", "--trace"}, CliParse::Run},
        {{"--bogus", "devices"}, CliParse::Error},
        {{"--simulate=mouse"}, CliParse::Error},
        {{"devices", "--data-dir"}, CliParse::Error},
        {{"--simulate-state="}, CliParse::Error},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        CliContext context(out, err);
        const Parsed p = Parse(c.args, context);
        EXPECT_EQ(p.result, c.result) << c.args.front();
        EXPECT_EQ(p.error.empty(), c.result != CliParse::Error) << c.args.front();
        EXPECT_EQ(p.error.find('\n'), std::string::npos);
    }
}

struct DevicesRun {
    int status;
    std::string out;
    std::string err;
};

DevicesRun RunDevices(std::vector<DeviceKind> kinds, VirtualPlugOptions options = {},
                      bool json = false) {
    std::ostringstream out, err;
    CliContext context(out, err);
    context.json = json;
    HidSystem hid;
    auto mouse = std::make_unique<VirtualHidBackend>();
    for (DeviceKind kind : kinds)
        mouse->plug(kind, nullptr, options);
    hid.virtualMouse = mouse.get();
    hid.backend = std::move(mouse);
    context.useHid(std::move(hid));
    const int status = FindCommand("devices")->run(context);
    return {status, out.str(), err.str()};
}

TEST(DevicesCommand, ListsEachKindsCommandAndEventInterfaces) {
    const DevicesRun both = RunDevices({DeviceKind::Wired, DeviceKind::Receiver});
    EXPECT_EQ(both.status, kExitOk);
    EXPECT_EQ(both.err, "");
    EXPECT_EQ(both.out, "wired:\n"
                        "  command  index 1  virtual:wired/1  248a:5b2e  input 0  feature 33\n"
                        "  event    index 2  virtual:wired/2  248a:5b2e  input 33  feature 0\n"
                        "receiver:\n"
                        "  command  index 5  virtual:receiver/1  248a:5b2f  input 0  feature 33\n"
                        "  event    index 6  virtual:receiver/2  248a:5b2f  input 33  feature 0\n");

    const DevicesRun json = RunDevices({DeviceKind::Receiver}, {}, true);
    EXPECT_EQ(json.status, kExitOk);
    EXPECT_NE(json.out.find("\"wired\": [],"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("{\"role\": \"command\", \"index\": 1, \"path\": "
                            "\"virtual:receiver/1\", \"vendor\": \"248a\", \"product\": \"5b2f\", "
                            "\"inputLength\": 0, \"featureLength\": 33}"),
              std::string::npos)
        << json.out;
}

TEST(DevicesCommand, NothingUsableFailsWithOneClearLine) {
    const DevicesRun none = RunDevices({});
    EXPECT_EQ(none.status, kExitFailure);
    EXPECT_EQ(none.err, "ferroxctl: no mouse or receiver found\n");

    // The device is there but may not be opened: the line names the udev rule.
    const DevicesRun denied = RunDevices({DeviceKind::Wired}, {VirtualLayout::Standard, true});
    EXPECT_EQ(denied.status, kExitFailure);
    EXPECT_EQ(denied.err, "ferroxctl: cannot open virtual:wired/1 (248a:5b2e), virtual:wired/2 "
                          "(248a:5b2e) for reading and writing; install the udev rule "
                          "70-ferrox.rules (see README) and replug the device\n");

    const DevicesRun wrong = RunDevices({DeviceKind::Wired}, {VirtualLayout::WrongLengths});
    EXPECT_EQ(wrong.status, kExitFailure);
    EXPECT_NE(wrong.out.find("wired: not found"), std::string::npos);
}

TEST(FerroxctlProgram, ExitStatusesAndMessages) {
    const ProgramRun simulated = Ferroxctl("--simulate devices");
    EXPECT_EQ(simulated.status, 0);
    EXPECT_NE(simulated.out.find("wired:\n  command"), std::string::npos);
    EXPECT_NE(simulated.out.find("receiver:\n  command"), std::string::npos);

    struct Case {
        std::string args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"--frobnicate devices", 2,
         "ferroxctl: unknown option --frobnicate (try ferroxctl --help)\n"},
        {"launch", 2, "ferroxctl: unknown command launch (try ferroxctl --help)\n"},
        {"", 2, "ferroxctl: no command given (try ferroxctl --help)\n"},
        {"--simulate devices now", 2, "ferroxctl devices: unexpected argument now\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Ferroxctl(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.err, c.err) << c.args;
    }
    const ProgramRun help = Ferroxctl("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("  devices "), std::string::npos);
    EXPECT_EQ(Ferroxctl("--version").out.rfind("ferroxctl ", 0), 0u);
}

TEST(FerroxctlProgram, HelpAfterACommandShowsThatCommandsForms) {
    struct Case {
        std::string args;
        std::string first;
    };
    const Case cases[] = {
        {"set --help", "Usage: ferroxctl [OPTION]... set dpi LEVEL DPI\n"},
        {"--simulate set rate -h", "Usage: ferroxctl [OPTION]... set dpi LEVEL DPI\n"},
        {"--help macro", "Usage: ferroxctl [OPTION]... macro list\n"},
        {"autostart --help", "Usage: ferroxctl [OPTION]... autostart [on|off|show]\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Ferroxctl(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_EQ(run.err, "") << c.args;
        EXPECT_EQ(run.out.rfind(c.first, 0), 0u) << c.args << ":\n" << run.out;
    }
    EXPECT_NE(Ferroxctl("set --help").out.find("   or: ferroxctl [OPTION]... set rate "
                                                "125|250|500|1000\n"),
              std::string::npos);
    // Every command has its forms, each naming the command.
    for (const CliCommand& command : CommandTable()) {
        const std::string forms = command.Forms();
        EXPECT_FALSE(forms.empty()) << command.name;
        for (std::size_t at = 0; at != std::string::npos; at = forms.find('\n', at + 1))
            EXPECT_EQ(forms.compare(at ? at + 1 : 0, command.name.size(), command.name), 0)
                << forms;
    }
    const ProgramRun unknown = Ferroxctl("launch --help");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "ferroxctl: unknown command launch (try ferroxctl --help)\n");
}

TEST(FerroxctlProgram, DataDirOptionWinsOverTheEnvironment) {
    const fs::path tmp = Scratch() / "ferroxctl-data";
    fs::remove_all(tmp);
    // A command that reads the data folder (one that does not, such as devices, creates none).
    Ferroxctl("config --data-dir " + (tmp / "option").string(),
              "FERROX_DATA_DIR=" + (tmp / "env").string());
    EXPECT_TRUE(fs::is_directory(tmp / "option" / "config"));
    EXPECT_FALSE(fs::exists(tmp / "env"));
}

} // namespace
} // namespace ferrox
