// ferroxctl status, set, apply and reset against the virtual mouse, as a user runs them.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "base/app_globals.h"
#include "base/instance_lock.h"
#include "cli/cmd_device_run.h"
#include "cli/command_table.h"
#include "device/virtual_mouse_firmware.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "settings/config_table.h"

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
               SimulateKind simulate = SimulateKind::Both) {
        std::ostringstream out;
        std::ostringstream err;
        CliContext context(out, err);
        context.simulate = simulate;
        context.simulateState = state;
        context.trace = trace;
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
        EXPECT_TRUE(firmware.loadState(state));
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
    EXPECT_EQ(m.dpi[0], 0x33);
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

TEST_F(DeviceCommands, StatusAndResetAsTheWindowWould) {
    VirtualMouseFirmware firmware;
    firmware.setBattery(150, 0);
    ASSERT_TRUE(firmware.saveState(state));
    CliRun r = run({"status"}, false, SimulateKind::Receiver);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "signature: T7Q5\nsensor:    0x3325 (code 0x25)\nbattery:   0%\n"
                     "charge:    on battery\naccess:    1\n");

    ASSERT_EQ(run({"set", "rate", "125"}).status, 0);
    r = run({"reset"}, true);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines(), std::vector<std::string>{
                             TraceLine({0x0C, 0x01, 0x0F, 0x00, 0x01, 0x01, 0x01, 0xFF})});
    EXPECT_EQ(mouse().factoryResets, 1u);
    LoadConfig();
    EXPECT_EQ(CurrentProfile().reportRate.rate, 2);
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
