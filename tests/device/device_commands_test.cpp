// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl status, set, apply and reset against the virtual mouse, as a user runs them.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/app_globals.h"
#include "base/instance_lock.h"
#include "cli/cmd_device_run.h"
#include "cli/command_table.h"
#include "device/protocol/unsent_changes.h"
#include "device/hid/virtual_hid_backend.h"
#include "device/virtual/virtual_mouse_firmware.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "settings/config_table.h"
#include "settings/dpi_table.h"
#include "settings/profile_file.h"
#include "base/text_lines.h"

namespace ferrox {
namespace {

namespace fs = std::filesystem;

// A --trace line: the direction, then the frame's 33 bytes.
std::string TraceLine(std::vector<uint8_t> head) {
    head.resize(33);
    std::string line = ">";
    char hex[4];
    for (uint8_t b : head) {
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    return line;
}

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            result.push_back(line);
        }
        return result;
    }
};

struct DeviceCommands : ::testing::Test {
    fs::path folder;
    fs::path state;
    bool unplugged = false; // the next runs find no mouse

    void SetUp() override {
        DeviceCommandPause = [](std::chrono::milliseconds) {};
        const char* base = std::getenv("FERROX_DATA_DIR");
        folder = fs::path(base ? base : "/tmp/ferrox-device-commands") /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        DataFolder = folder / "data";
        CreateDataFolder(DataFolder);
        state = folder / "mouse.state";
    }

    CliRun run(std::vector<std::string> words, bool trace = false,
               SimulateKind simulate = SimulateKind::Both, bool json = false) {
        std::ostringstream out;
        std::ostringstream err;
        CliContext context(out, err);
        DpiSteps = DpiStepTable{}; // as in a new process
        if (unplugged) {
            context.useHid(HidSystem{std::make_unique<VirtualHidBackend>(), nullptr, nullptr});
        }
        context.simulate = simulate;
        context.simulateState = state;
        context.trace = trace;
        context.json = json;
        context.args.assign(words.begin() + 1, words.end());
        const CliCommand* command = FindCommand(words[0]);
        EXPECT_NE(command, nullptr) << words[0];
        CliRun result;
        result.status = command ? command->run(context) : -1;
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    VirtualMouseState mouse() {
        VirtualMouseFirmware firmware;
        FileProblem problem;
        EXPECT_EQ(firmware.loadState(state, problem), VirtualMouseFirmware::StateLoad::Loaded);
        return firmware.state();
    }
};

TEST_F(DeviceCommands, SetRatePrintsExactlyOneFrameAndSaves) {
    const CliRun r = run({"set", "rate", "1000"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, TraceLine({0x0C, 0x01, 0x07, 0x00, 0x01, 0x01, 0x01, 0x01}) + "\n");
    EXPECT_EQ(mouse().rateCode, 0x01);
    LoadConfig();
    EXPECT_EQ(CurrentProfile().reportRate.rate, 3);

    // The mouse and the file agree now: the same change sends nothing.
    EXPECT_EQ(run({"set", "rate", "1000"}, true).out, "");
}

TEST_F(DeviceCommands, EachSettingReachesTheMouse) {
    ASSERT_EQ(run({"set", "dpi-enable", "0x85"}).status, 0);
    ASSERT_EQ(run({"set", "dpi-level", "2"}).status, 0);
    ASSERT_EQ(run({"set", "dpi", "0", "850"}).status, 0); // 900 on the 0x3325 table: code 8
    ASSERT_EQ(run({"set", "dpi-colour", "7", "123456"}).status, 0);
    ASSERT_EQ(run({"set", "lift", "1"}).status, 0);
    ASSERT_EQ(run({"set", "debounce", "4"}).status, 0);
    ASSERT_EQ(run({"set", "power", "10"}).status, 0);
    ASSERT_EQ(run({"set", "move-lighting", "on"}).status, 0);
    ASSERT_EQ(run({"set", "wakeup", "off"}).status, 0);
    ASSERT_EQ(run({"set", "lighting", "0"}).status, 0);
    ASSERT_EQ(run({"set", "button", "3", "700106"}).status, 0);
    const VirtualMouseState m = mouse();
    EXPECT_EQ(m.dpi[0], 0x23); // level 2 is the second of three enabled levels
    EXPECT_EQ(m.dpi[1], 0x85);
    EXPECT_EQ(m.dpi[2], 8);
    EXPECT_EQ(m.dpiColours[21], 0x12);
    EXPECT_EQ(m.liftHeight[0], 1);
    EXPECT_EQ(m.debounce, 4);
    EXPECT_EQ(m.power, (std::array<uint8_t, 2>{10, 1}));
    EXPECT_EQ(m.motionWakeup, 0);
    EXPECT_EQ(m.lighting, (std::vector<uint8_t>{0x00, 0x22}));
    EXPECT_EQ(m.keys[4], (std::array<uint8_t, 3>{0x70, 0x01, 0x06}));
}

TEST_F(DeviceCommands, BadValuesAreRefusedAndChangeNothing) {
    struct Case {
        std::vector<std::string> words;
        int status;
    };
    const Case cases[] = {
        {{"set", "rate", "300"}, 2},
        {{"set", "dpi-enable", "0"}, 2},
        {{"set", "dpi", "8", "800"}, 2},
        {{"set", "dpi-colour", "0", "12345G"}, 2},
        {{"set", "debounce", "-1"}, 2},
        {{"set", "button", "7", "100100"}, 2},
        {{"set", "button", "0", "900000"}, 2},
        {{"set", "button", "0", "2A0000"}, 2},
        {{"set", "button", "0", "500C00"}, 2},
        {{"set", "button", "0", "300100"}, 2},
        {{"set", "dpi", "0", "2000000"}, 2},
        {{"set", "dpi-level", "7"}, 2}, // not in the default cycle of levels 0..5
        {{"set", "button", "0", "macro", "nowhere"}, 1},
        {{"set", "button", "0", "100200"}, 1}, // no left click would remain
        {{"set", "wakeup"}, 2},
        {{"set"}, 2},
        {{"apply", "5"}, 2},
        {{"status", "now"}, 2},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.words, true);
        EXPECT_EQ(r.status, c.status) << c.words.back();
        EXPECT_EQ(r.out, "") << c.words.back();
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_FALSE(fs::exists(state)) << "no run reached the mouse";
    EXPECT_NE(run({"set", "dpi", "0", "2000000"}).err.find("out of range"), std::string::npos);
}

TEST_F(DeviceCommands, MistypedCommandsLeaveAnEmptyDataFolderEmpty) {
    fs::remove_all(DataFolder);
    for (auto words : {std::vector<std::string>{"set", "rate", "300"},
                       std::vector<std::string>{"set", "button", "0", "2A0000"},
                       std::vector<std::string>{"set", "dpi", "0", "2000000"},
                       std::vector<std::string>{"apply", "9"}}) {
        EXPECT_EQ(run(words).status, 2) << words[1];
    }
    EXPECT_FALSE(fs::exists(DataFolder));
}

TEST_F(DeviceCommands, AProfileSwitchThatCannotBeSavedNamesTheConfiguration) {
    fs::create_directories(ConfigFilePath()); // a folder where the file should be
    const CliRun r = run({"profile", "use", "2"});
    EXPECT_EQ(r.status, 1);
    // A folder cannot be read either: the switch is refused before anything is sent or saved.
    EXPECT_NE(r.err.find("config.ini cannot be read (it is a folder, not a file)"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("nothing was changed"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("profile files"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(state)) << "nothing was sent";
}

TEST_F(DeviceCommands, TheActiveDpiLevelIsAPositionAmongTheEnabledLevels) {
    struct Case {
        std::vector<std::string> words;
        uint8_t byte0;
    };
    // From the defaults (levels 0..5, level 1 active) in every case.
    const Case cases[] = {
        {{"set", "dpi-enable", "0x01"}, 0x11},
        {{"set", "dpi-enable", "0x85"}, 0x13}, // level 1 off: level 0 below it
        {{"set", "dpi-enable", "0xFE"}, 0x17}, // level 1 stays active, now the first of seven
        {{"set", "dpi-level", "4"}, 0x56},
    };
    for (const Case& c : cases) {
        fs::remove_all(folder);
        CreateDataFolder(DataFolder);
        ASSERT_EQ(run(c.words).status, 0) << c.words[2];
        EXPECT_EQ(mouse().dpi[0], c.byte0) << c.words[2];
    }
    const CliRun shown = run({"show"});
    EXPECT_NE(shown.out.find("active level: 4, 7200 DPI"), std::string::npos) << shown.out;
}

TEST_F(DeviceCommands, ASensorWithoutATableLeavesTheDpiStepsAlone) {
    ASSERT_EQ(run({"set", "rate", "250"}).status, 0);
    LoadConfig();
    SetSensor(0x1234); // no table for it: the step table stays empty
    CurrentProfile().dpiStep[0] = 600;
    ASSERT_TRUE(SaveConfig());
    ASSERT_TRUE(SaveAllProfiles());

    CliRun r = run({"show"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("active level: 1, outside the table"), std::string::npos) << r.out;
    r = run({"set", "dpi", "0", "800"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no DPI table"), std::string::npos) << r.err;
    r = run({"apply"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(mouse().dpi[2], 0) << "a step outside the table goes out as code 0";
    EXPECT_EQ(run({"set", "dpi-level", "3"}).status, 0);
}

TEST_F(DeviceCommands, ButtonsGetTheNamesTheDialogsGive) {
    ASSERT_EQ(run({"set", "button", "3", "70033E"}).status, 0);
    LoadConfig();
    EXPECT_EQ(CurrentProfile().keys[3].name, L"Ctrl+Shift+F5");
}

TEST_F(DeviceCommands, DeviceCommandsRefuseWhileTheWindowRuns) {
    auto lock = InstanceLock::acquire(InstanceLockPath());
    ASSERT_TRUE(lock);
    for (auto words : {std::vector<std::string>{"set", "rate", "125"},
                       std::vector<std::string>{"apply"}, std::vector<std::string>{"reset"}}) {
        const CliRun r = run(words, true);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("window is running"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(fs::exists(ConfigFilePath()));
    EXPECT_EQ(run({"status"}).status, 0) << "reading the status changes nothing";
}

TEST_F(DeviceCommands, ApplySendsEveryGroupEvenWhatLooksUnchanged) {
    ASSERT_EQ(run({"set", "button", "6", "000000"}).status, 0);
    const CliRun r = run({"apply"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> commands;
    for (const std::string& line : r.lines()) {
        commands.push_back(line.substr(8, 2));
    }
    EXPECT_EQ(commands, (std::vector<std::string>{"04", "04", "04", "04", "04", "04", "04", "05",
                                                  "06", "07", "09", "0A", "08", "0B", "0C"}));
    EXPECT_EQ(r.lines()[6].substr(0, 35), "> 0C 01 04 00 07 01 04 06 00 00 00 ");
    EXPECT_EQ(r.lines()[0].substr(0, 14), "> 0C 01 04 00 ") << "numbered from 1";
    EXPECT_EQ(r.lines()[0].substr(14, 2), "01");
}

TEST_F(DeviceCommands, ApplyOfASlotMakesItCurrent) {
    EXPECT_EQ(run({"apply", "3"}).status, 1) << "slot 3 is not on the profile bar";
    ASSERT_EQ(run({"apply", "0"}).status, 0);
    LoadConfig();
    EXPECT_EQ(CurrentSlot(), 0);
}

TEST_F(DeviceCommands, MacroButtonUploadsTheMacro) {
    MacroLibrary& library = UserMacroLibrary();
    library.Clear();
    MacroLocation where;
    ASSERT_EQ(library.AddFolder(L"Games", where), MacroAddResult::Added);
    ASSERT_EQ(library.AddMacro(L"Jump", where), MacroAddResult::Added);
    MacroKey& jump = *library.NodeAt(where)->macro;
    ASSERT_TRUE(jump.InsertAction(0, MacroAction::MakeKey(0x20, false)));
    ASSERT_TRUE(jump.InsertAction(1, MacroAction::MakeKey(0x20, true)));
    jump.MacroCommandActionNum = 2;
    ASSERT_TRUE(SaveUserMacroLibrary(library));

    const CliRun r = run({"set", "button", "2", "macro", "Games/Jump"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    const VirtualMouseState m = mouse();
    EXPECT_EQ(m.keys[2], (std::array<uint8_t, 3>{0x90, 0x21, 0x01}));
    EXPECT_EQ(m.macros[1], (std::vector<uint8_t>{0x30, 0x00, 0x2C, 0xB0, 0x00, 0x2C}));
}

// A top-level macro pressing and releasing the space bar, in the saved library.
void SaveSpaceMacro(const std::wstring& name, MacroLocation at = {0, 0, 0, 0}) {
    auto jump = std::make_unique<MacroKey>(name);
    jump->MacroKeyIndex = UserMacroLibrary().NextKeyIndex();
    UserMacroLibrary().SetNextKeyIndex(jump->MacroKeyIndex + 1);
    ASSERT_TRUE(jump->InsertAction(0, MacroAction::MakeKey(0x20, false)));
    ASSERT_TRUE(jump->InsertAction(1, MacroAction::MakeKey(0x20, true)));
    jump->MacroCommandActionNum = 2;
    ASSERT_TRUE(UserMacroLibrary().PlaceMacro(name, at, std::move(jump)));
    ASSERT_TRUE(SaveUserMacroLibrary(UserMacroLibrary()));
}

const std::vector<uint8_t> SpaceCommands{0x30, 0x00, 0x2C, 0xB0, 0x00, 0x2C};

std::vector<std::string> ChunkLines(const CliRun& r) {
    std::vector<std::string> chunks;
    for (const std::string& line : r.lines()) {
        if (line.substr(0, 11) == "> 0C 01 0E ") {
            chunks.push_back(line);
        }
    }
    return chunks;
}

TEST_F(DeviceCommands, MacrosSurviveARestartAndAKeySharingThem) {
    UserMacroLibrary().Clear();
    SaveSpaceMacro(L"M");
    ASSERT_EQ(run({"set", "button", "3", "macro", "M"}).status, 0);
    ASSERT_EQ(mouse().macros[1], SpaceCommands);

    // A second key with the same macro: the mouse holds it already.
    CliRun r = run({"set", "button", "1", "macro", "M"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ChunkLines(r), std::vector<std::string>{});
    EXPECT_EQ(mouse().macros[1], SpaceCommands);

    // A full send after the restart uploads the macro whole, once.
    r = run({"apply"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(ChunkLines(r).size(), 1u);
    // Byte 5 on: chunk 1 of 1, seven payload bytes, slot 1 and both commands.
    EXPECT_EQ(ChunkLines(r)[0].substr(17, 26), "01 07 01 30 00 2C B0 00 2C");
    EXPECT_EQ(mouse().macros[1], SpaceCommands);
    EXPECT_EQ(mouse().keys[1], (std::array<uint8_t, 3>{0x90, 0x21, 0x01}));
}

TEST_F(DeviceCommands, AMacroBehindAGapInTheLibraryIsLinked) {
    UserMacroLibrary().Clear();
    SaveSpaceMacro(L"A", {0, 0, 0, 0});
    SaveSpaceMacro(L"C", {0, 2, 0, 0});
    const CliRun r = run({"set", "button", "3", "macro", "C"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(mouse().keys[4], (std::array<uint8_t, 3>{0x90, 0x21, 0x01}));
    EXPECT_EQ(mouse().macros[1], SpaceCommands);
}

TEST_F(DeviceCommands, StatusAndResetAsTheWindowWould) {
    VirtualMouseFirmware firmware;
    firmware.setBattery(150, 0);
    FileProblem problem;
    ASSERT_TRUE(firmware.saveState(state, problem));
    CliRun r = run({"status"}, false, SimulateKind::Receiver);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "signature: T7Q5\nsensor:    0x3325 (code 0x25)\nbattery:   0%\n"
                     "charge:    on battery\naccess:    1\n");
    // Scripts get the sensor as the number show and config print.
    r = run({"status"}, false, SimulateKind::Receiver, true);
    EXPECT_EQ(r.out, "{\"format\": 1, \"signature\": \"T7Q5\", \"signatureMatches\": true, "
                     "\"sensor\": 13093, \"sensorCode\": \"0x25\", \"battery\": 0, "
                     "\"charge\": \"on battery\", \"access\": 1}\n");

    ASSERT_EQ(run({"set", "rate", "125"}).status, 0);
    r = run({"reset"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines(), std::vector<std::string>{
                             TraceLine({0x0C, 0x01, 0x0F, 0x00, 0x01, 0x01, 0x01, 0xFF})});
    EXPECT_EQ(mouse().factoryResets, 1u);
    LoadConfig();
    EXPECT_EQ(CurrentProfile().reportRate.rate, 2);
}

TEST_F(DeviceCommands, StatusShowsStrangeSignatureBytesAsHex) {
    VirtualMouseFirmware firmware;
    VirtualMouseState strange = firmware.state();
    strange.signature = {0x1B, '[', '2', 0xC3};
    firmware.setState(strange);
    FileProblem problem;
    ASSERT_TRUE(firmware.saveState(state, problem));
    CliRun r = run({"status"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines()[0], "signature: \\x1B[2\\xC3 (not this mouse)");
    r = run({"status"}, false, SimulateKind::Both, true);
    EXPECT_NE(r.out.find("\"signature\": \"\\\\x1B[2\\\\xC3\""), std::string::npos) << r.out;
}

TEST_F(DeviceCommands, ChangesSavedWithoutTheMouseReachItWhenItIsFound) {
    UserMacroLibrary().Clear();
    SaveSpaceMacro(L"M");
    ASSERT_EQ(run({"set", "button", "2", "macro", "M"}).status, 0);
    UserMacroLibrary().Clear(); // the macro leaves the library
    ASSERT_TRUE(SaveUserMacroLibrary(UserMacroLibrary()));

    unplugged = true;
    CliRun r = run({"set", "rate", "1000"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("next finds the mouse"), std::string::npos) << r.err;
    r = run({"profile", "use", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadUnsentChanges(UnsentChangesPath()), ChangeGroup::Keys | ChangeGroup::Settings);

    // The mouse is back: a change of another group brings the earlier ones along.
    unplugged = false;
    r = run({"set", "wakeup", "off"});
    ASSERT_EQ(r.status, 0) << r.err;
    const VirtualMouseState m = mouse();
    EXPECT_EQ(m.keys[2], (std::array<uint8_t, 3>{0x10, 0x04, 0x00})) << "slot 2's own key";
    EXPECT_EQ(m.motionWakeup, 0);
    EXPECT_FALSE(fs::exists(UnsentChangesPath()));
    LoadConfig();
    EXPECT_EQ(CurrentSlot(), 2);

    // Back to slot 0, whose key 2 played the macro that is gone: it goes out disabled.
    r = run({"profile", "use", "0"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(mouse().keys[2], (std::array<uint8_t, 3>{0x00, 0x00, 0x00}));
    EXPECT_EQ(mouse().rateCode, 0x01) << "slot 0 has the rate set above";
}

TEST_F(DeviceCommands, AnUnsentFileOfStrangeWordsIsReadAsFarAsItMakesSense) {
    fs::create_directories(UnsentChangesPath().parent_path());
    for (std::string text : {std::string("\xff\xfep\0\n\0\xff\xfe\0", 9),
                             std::string("\0\x01\x02", 3), std::string()}) {
        std::ofstream(UnsentChangesPath(), std::ios::binary) << text;
        EXPECT_EQ(ReadUnsentChanges(UnsentChangesPath()), 0u) << text;
    }
    ASSERT_TRUE(WriteTextLines(UnsentChangesPath(), {L"power", L"nonsense", L" wake-up\r"}));
    EXPECT_EQ(ReadUnsentChanges(UnsentChangesPath()), ChangeGroup::Power | ChangeGroup::Wakeup);
    const CliRun r = run({"set", "debounce", "4"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(mouse().power, (std::array<uint8_t, 2>{6, 0})) << "the power pair went out";
    EXPECT_FALSE(fs::exists(UnsentChangesPath()));
}

TEST_F(DeviceCommands, NoDeviceSavesTheChangeAndSays) {
    const CliRun r = run({"set", "power", "3"}, true, SimulateKind::None);
    if (r.err.find("no mouse") == std::string::npos) {
        GTEST_SKIP() << "a real mouse is attached";
    }
    EXPECT_EQ(r.status, 0);
    LoadConfig();
    EXPECT_EQ(ProfileNumber(CurrentProfile(), ProfileKey::PowerDownTime), 3);
    EXPECT_EQ(run({"status"}, false, SimulateKind::None).status, 1);
}

} // namespace
} // namespace ferrox
