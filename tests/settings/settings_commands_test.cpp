// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The show, config and profile commands of ferroxctl, run in-process on a fresh data folder.

#include "base/text_file.h"
#include "cli/command_table.h"
#include "settings/config_file.h"
#include "settings/settings_fixture.h"

#include <sstream>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

class SettingsCommandsTest : public test::SettingsStores {
protected:
    struct Outcome {
        int status;
        std::string out;
        std::string err;
    };
    Outcome Run(const std::string& command, std::vector<std::string> args, bool json = false) {
        ResetStores(); // every command starts as a new process would
        std::ostringstream out, err;
        CliContext context(out, err);
        context.args = std::move(args);
        context.json = json;
        int status = FindCommand(command)->run(context);
        return {status, out.str(), err.str()};
    }
    static int Lines(const std::string& text) {
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
};

TEST_F(SettingsCommandsTest, FirstUseWritesDefaultsAndShowsThem) {
    Outcome show = Run("show", {});
    EXPECT_EQ(show.status, kExitOk);
    EXPECT_NE(show.out.find("profile slot 0"), std::string::npos);
    EXPECT_NE(show.out.find("1200 DPI"), std::string::npos);
    EXPECT_TRUE(fs::exists(Config("config.ini")));
    EXPECT_TRUE(fs::exists(Config("default4.psf")));

    Outcome json = Run("show", {"4"}, true);
    EXPECT_EQ(json.status, kExitOk);
    EXPECT_NE(json.out.find("\"slot\": 4"), std::string::npos);
    EXPECT_NE(json.out.find("\"function\": \"400300\""), std::string::npos);
    EXPECT_NE(json.out.find("\"reportRate\": {\"hz\": 500, \"rate\": 2"), std::string::npos)
        << json.out;

    Outcome config = Run("config", {}, true);
    EXPECT_NE(config.out.find("\"profileBar\": {\"count\": 3, \"slots\": [0, 1, 2, 3, 4]}"),
              std::string::npos);
    EXPECT_NE(config.out.find("\"startHidden\": true"), std::string::npos) << config.out;
    EXPECT_NE(config.out.find("{\"slot\": 2, \"name\": \"" +
                              ToUtf8(ProfileValue(Profiles[2], ProfileKey::ProfileName)) +
                              "\", \"onBar\": true, \"file\": \"" +
                              (DataFolder / "config" / "default2.psf").string() + "\"}"),
              std::string::npos)
        << config.out;
    EXPECT_NE(config.out.find("{\"slot\": 3, "), std::string::npos);
    EXPECT_NE(config.out.find("\"onBar\": false"), std::string::npos);
}

TEST_F(SettingsCommandsTest, StartHiddenIsWhatTheWindowDoes) {
    // The window starts shown only for 0; any other number hides it as 1 does.
    for (const auto& [value, hidden] : {std::pair{0L, false}, {1L, true}, {2L, true}}) {
        ASSERT_EQ(Run("config", {}).status, kExitOk);
        SetConfigNumber(ConfigKey::NeedPassword, value);
        ASSERT_TRUE(SaveConfig());
        const Outcome config = Run("config", {}, true);
        EXPECT_NE(config.out.find(std::string("\"startHidden\": ") + (hidden ? "true" : "false")),
                  std::string::npos)
            << value << config.out;
    }
}

TEST_F(SettingsCommandsTest, ProfileOperationsPersist) {
    EXPECT_EQ(Run("profile", {"delete", "1"}).status, kExitOk);
    Outcome add = Run("profile", {"add", "Ходьба"});
    EXPECT_EQ(add.status, kExitOk);
    EXPECT_EQ(add.out, "added \"Ходьба\" as slot 3\n");
    EXPECT_EQ(Run("profile", {"use", "3"}).status, kExitOk);
    Outcome show = Run("show", {});
    EXPECT_NE(show.out.find("profile slot 3: Ходьба (current"), std::string::npos);

    fs::path file = DataFolder / "shared.psf";
    EXPECT_EQ(Run("profile", {"export", "3", file.string()}).status, kExitOk);
    EXPECT_EQ(Run("profile", {"import", "0", file.string()}).status, kExitOk);
    EXPECT_NE(Run("show", {"0"}).out.find("profile slot 0: Ходьба"), std::string::npos);
    EXPECT_EQ(Run("profile", {"rename", "0", "Zero"}).status, kExitOk);
    EXPECT_NE(Run("show", {"0"}).out.find("profile slot 0: Zero"), std::string::npos);
}

TEST_F(SettingsCommandsTest, EveryFailureIsOneLineAndNonZero) {
    test::WriteBytes(DataFolder / "bad.psf", "not a profile");
    const std::vector<std::pair<std::string, std::vector<std::string>>> failures = {
        {"show", {"5"}},
        {"show", {"1", "2"}},
        {"config", {"extra"}},
        {"profile", {}},
        {"profile", {"delete"}},
        {"profile", {"delete", "x"}},
        {"profile", {"delete", "0"}}, // the current profile
        {"profile", {"use", "4"}},    // not on the bar
        {"profile", {"add", ""}},
        {"profile", {"import", "1", (DataFolder / "bad.psf").string()}},
        {"profile", {"import", "1", (DataFolder / "missing.psf").string()}},
        {"profile", {"export", "1", (DataFolder / "bad.psf" / "x.psf").string()}},
        {"profile", {"export", "1", (DataFolder / "no folder" / "x.psf").string()}},
    };
    for (const auto& [command, args] : failures) {
        SCOPED_TRACE(command + " " + (args.empty() ? "" : args[0]));
        Outcome outcome = Run(command, args);
        EXPECT_NE(outcome.status, kExitOk);
        EXPECT_EQ(Lines(outcome.err), 1) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_FALSE(fs::exists(DataFolder / "no folder"));
}

} // namespace
} // namespace ferrox
