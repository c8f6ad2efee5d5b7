// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up decisions: scale, folders, placement, the no-device notice, the keyboard filter and
// the command line.

#include "app/app_options.h"
#include "app/key_sequence.h"
#include "platform/virtual_keys.h"
#include "app/window_rules.h"
#include "base/app_globals.h"

#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

using test::Scratch;

TEST(UiScale, ChosenFromTheWorkArea) {
    struct Case {
        int width, height;
        float scale;
    };
    const Case cases[] = {
        {1920, 1080, 1.0f}, {1920, 1200, 1.0f}, {1920, 1201, 1.5f}, {1800, 1300, 1.0f},
        {1801, 1201, 1.5f}, {2560, 1600, 1.5f}, {2560, 1601, 2.0f}, {2400, 1700, 1.5f},
        {3840, 2160, 2.0f}, {800, 600, 1.0f},   {1366, 768, 1.0f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseUiScale(c.width, c.height), c.scale) << c.width << " x " << c.height;
}

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataFolder, OverrideThenEnvironmentThenXdgThenHome) {
    const fs::path tmp = Scratch() / "datafolder";
    ScopedEnv xdg("XDG_CONFIG_HOME", (tmp / "xdg").c_str());
    ScopedEnv home("HOME", (tmp / "home").c_str());
    {
        ScopedEnv env("FERROX_DATA_DIR", (tmp / "env").c_str());
        EXPECT_EQ(ChooseDataFolder(tmp / "option"), tmp / "option");
        EXPECT_EQ(ChooseDataFolder(), tmp / "env");
    }
    ScopedEnv noEnv("FERROX_DATA_DIR", nullptr);
    EXPECT_EQ(ChooseDataFolder(), tmp / "xdg" / "ferrox");
    {
        ScopedEnv relative("XDG_CONFIG_HOME", "relative/config"); // not a valid XDG value
        EXPECT_EQ(ChooseDataFolder(), tmp / "home" / ".config" / "ferrox");
    }
    // A relative override is taken from the current folder, links left unresolved.
    EXPECT_EQ(ChooseDataFolder("rel"), fs::current_path() / "rel");
}

TEST(DataFolder, CreatedWithItsConfigFolder) {
    const fs::path folder = Scratch() / "created" / "GamingMouseData20220725A";
    fs::remove_all(folder.parent_path());
    CreateDataFolder(folder);
    EXPECT_TRUE(fs::is_directory(folder / "config"));
    CreateDataFolder(folder); // already there: nothing changes, nothing fails
    EXPECT_TRUE(fs::is_directory(folder / "config"));

    // A file where the folder should be: no crash, and no folder.
    const fs::path blocked = Scratch() / "blocked-data";
    fs::remove_all(blocked);
    std::ofstream(blocked.string()) << "x";
    CreateDataFolder(blocked);
    EXPECT_FALSE(fs::is_directory(blocked));
}

TEST(ProgramFolder, BuildTreeOrInstalledShare) {
    const fs::path tmp = Scratch() / "programfolder";
    fs::remove_all(tmp);
    fs::create_directories(tmp / "bin");
    fs::create_directories(tmp / "share");
    EXPECT_EQ(ChooseProgramFolder(tmp / "bin", tmp / "share"), tmp / "share");
    fs::create_directories(tmp / "bin" / "lang");
    EXPECT_EQ(ChooseProgramFolder(tmp / "bin", tmp / "share"), tmp / "bin");
    EXPECT_EQ(ChooseProgramFolder(tmp / "none", tmp / "missing"), tmp / "none");
}

TEST(ProgramFolder, UnpackedInstallTreeWinsOverThePrefix) {
    const fs::path tmp = Scratch() / "unpacked";
    fs::remove_all(tmp);
    const fs::path prefixShare = tmp / "prefix" / "share" / "ferrox";
    fs::create_directories(prefixShare / "lang");
    fs::create_directories(tmp / "opt" / "bin");
    // Nothing beside the program yet: the compiled-in prefix.
    EXPECT_EQ(ChooseProgramFolder(tmp / "opt" / "bin", prefixShare), prefixShare);
    // An empty share/ferrox is no installed tree.
    fs::create_directories(tmp / "opt" / "share" / "ferrox");
    EXPECT_EQ(ChooseProgramFolder(tmp / "opt" / "bin", prefixShare), prefixShare);
    fs::create_directories(tmp / "opt" / "share" / "ferrox" / "skins");
    EXPECT_EQ(ChooseProgramFolder(tmp / "opt" / "bin", prefixShare),
              tmp / "opt" / "share" / "ferrox");
}

TEST(WindowPlacement, CentredOrAtTheEdgeWhereTooLarge) {
    struct Case {
        QRect work;
        QSize window;
        QPoint origin;
    };
    const Case cases[] = {
        {QRect(0, 0, 1920, 1040), QSize(1127, 740), QPoint(396, 150)},
        {QRect(0, 0, 800, 600), QSize(1127, 740), QPoint(0, 0)},
        {QRect(0, 0, 1200, 700), QSize(1127, 740), QPoint(36, 0)},
        {QRect(1920, 30, 2560, 1410), QSize(1690, 1110), QPoint(1920 + 435, 30 + 150)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredOrigin(c.work, c.window), c.origin);
}

TEST(NoDeviceNotice, DecidedByOpenHandlesAndTheShowFlag) {
    using N = NoDeviceNotice;
    EXPECT_EQ(DecideNoDeviceNotice(true, false, false), N::None);
    EXPECT_EQ(DecideNoDeviceNotice(true, true, false), N::None);
    EXPECT_EQ(DecideNoDeviceNotice(false, true, false), N::ReceiverOnly);
    EXPECT_EQ(DecideNoDeviceNotice(false, true, true), N::None);
    EXPECT_EQ(DecideNoDeviceNotice(false, false, true), N::NoDevice);
}

std::vector<int> Keys(const std::string& letters) {
    return {letters.begin(), letters.end()};
}

TEST(KeySequence, TenLettersShowTheSupportNotice) {
    struct Case {
        std::vector<int> keys;
        bool shows;
        int progressAfter;
    };
    const std::string sequence(kSupportSequence.begin(), kSupportSequence.end());
    const Case cases[] = {
        {Keys(sequence), true, 0},
        {Keys("FFFERROXHELP"), true, 0},    // the first letter restarts at 1
        {Keys("FERROFERROXHELP"), true, 0}, // broken by its own first letter
        {Keys("FERRXOXHELP"), false, 0},    // broken by another letter: the rest is no start
        {Keys("FERROXHEL"), false, 9},
        {{'F', 'E', vk::Escape, 'R'}, false, 0},
        {{'F', 'E', 0x10 /* shift */, 'R'}, false, 0},
    };
    for (const Case& c : cases) {
        KeySequenceFilter filter;
        bool shown = false;
        for (int key : c.keys)
            shown = filter.keyDown(key) == KeyVerdict::ShowSupport || shown;
        EXPECT_EQ(shown, c.shows) << std::string(c.keys.begin(), c.keys.end());
        EXPECT_EQ(filter.progress(), c.progressAfter) << std::string(c.keys.begin(), c.keys.end());
    }
    KeySequenceFilter filter;
    EXPECT_EQ(filter.keyDown(vk::Return), KeyVerdict::Swallow);
    EXPECT_EQ(filter.keyDown(vk::Escape), KeyVerdict::Swallow);
    EXPECT_EQ(filter.keyDown('A'), KeyVerdict::PassOn);
}

TEST(AppOptions, ParsedOrRefusedWithOneLine) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        SimulateKind simulate;
        std::string dataDir;
        std::string trace = "";
        std::string state = "";
    };
    const Case cases[] = {
        {{}, true, SimulateKind::None, ""},
        {{"--trace", "/t", "--simulate"}, true, SimulateKind::Both, "", "/t"},
        {{"--trace=/t"}, true, SimulateKind::None, "", "/t"},
        // The state file only means something to the virtual mouse.
        {{"--simulate-state", "/s"}, true, SimulateKind::Both, "", "", "/s"},
        {{"--simulate=wired", "--simulate-state=/s"}, true, SimulateKind::Wired, "", "", "/s"},
        {{"--trace"}, false, SimulateKind::None, ""},
        {{"--simulate-state="}, false, SimulateKind::None, ""},
        {{"--simulate"}, true, SimulateKind::Both, ""},
        {{"--simulate=receiver", "--data-dir", "/d"}, true, SimulateKind::Receiver, "/d"},
        {{"--data-dir=/e", "--simulate=wired"}, true, SimulateKind::Wired, "/e"},
        {{"--start-hidden", "--simulate"}, true, SimulateKind::Both, ""},
        {{"--simulate=mouse"}, false, SimulateKind::None, ""},
        {{"--data-dir"}, false, SimulateKind::None, ""},
        {{"--data-dir="}, false, SimulateKind::None, ""},
        {{"--frobnicate"}, false, SimulateKind::None, ""},
        {{"stray"}, false, SimulateKind::None, ""},
    };
    for (const Case& c : cases) {
        AppOptions options;
        std::string error;
        EXPECT_EQ(ParseAppOptions(c.args, options, error), c.ok) << error;
        if (!c.ok) {
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(error.find('\n'), std::string::npos);
            continue;
        }
        EXPECT_EQ(options.simulate, c.simulate);
        EXPECT_EQ(options.dataDir, fs::path(c.dataDir));
        EXPECT_EQ(options.trace, fs::path(c.trace));
        EXPECT_EQ(options.simulateState, fs::path(c.state));
        EXPECT_EQ(options.startHidden,
                  std::find(c.args.begin(), c.args.end(), "--start-hidden") != c.args.end());
    }
}

} // namespace
} // namespace ferrox
