// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl autostart: the XDG autostart entry, its Exec quoting, and the command as a user
// runs it.

#include "cli/autostart_entry.h"

#include "cli/ferroxctl_program.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace ferrox {
namespace {
namespace fs = std::filesystem;
using test::Ferroxctl;
using test::ProgramRun;

TEST(AutostartEntry, ExecArgumentsAreQuotedAsDesktopEntriesWant) {
    struct Case {
        std::string argument;
        std::optional<std::string> written;
    };
    const Case cases[] = {
        {"/usr/bin/ferrox", "/usr/bin/ferrox"},
        {"/opt/my apps/ferrox", "\"/opt/my apps/ferrox\""},
        {"/opt/a\"b", "\"/opt/a\\\\\"b\""},       // \" inside quotes, its \ doubled
        {"/opt/$HOME", "\"/opt/\\\\$HOME\""},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
        {"/opt/100%", "/opt/100%%"},             // no field code
        {"", "\"\""},
        {"/opt/two\nlines", std::nullopt},
        {"/opt/tab\there", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DesktopExecArgument(c.argument), c.written) << c.argument;

    const auto text = AutostartEntryText("/usr/bin/ferrox", "/home/u/my data");
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("\nExec=/usr/bin/ferrox --start-hidden --data-dir \"/home/u/my data\"\n"),
              std::string::npos)
        << *text;
    EXPECT_FALSE(AutostartEntryText("/usr/bin/ferrox", "/bad\npath"));
}

std::string Slurp(const fs::path& p) {
    std::ifstream in(p);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(AutostartCommand, OnWritesTheEntryOffRemovesIt) {
    const fs::path config = test::Scratch() / "xdg-config";
    fs::remove_all(config);
    const std::string env = "XDG_CONFIG_HOME=" + config.string();
    const fs::path entry = config / "autostart" / FERROX_APP_ID ".desktop";

    EXPECT_EQ(Ferroxctl("autostart", env).out.rfind("autostart is off", 0), 0u);
    const ProgramRun on = Ferroxctl("autostart on", env);
    EXPECT_EQ(on.status, 0) << on.err;
    EXPECT_EQ(on.out, "autostart is on: " + entry.string() + "\n");
    const std::string text = Slurp(entry);
    EXPECT_NE(text.find("\nExec=" FERROX_OUTPUT_DIR "/ferrox --start-hidden\n"),
              std::string::npos)
        << text;
    EXPECT_FALSE(fs::exists(entry.string() + ".new"));
    EXPECT_EQ(Ferroxctl("--json autostart", env).out,
              "{\"format\": 1, \"enabled\": true, \"file\": \"" + entry.string() + "\"}\n");
    // What --help offers: "show" says the same as no word at all.
    const ProgramRun show = Ferroxctl("autostart show", env);
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_EQ(show.out, on.out);

    // A desktop that switched the entry off keeps it with Hidden=true.
    std::ofstream(entry, std::ios::app) << "Hidden=true\n";
    EXPECT_EQ(Ferroxctl("autostart", env).out.rfind("autostart is off", 0), 0u);

    EXPECT_EQ(Ferroxctl("autostart off", env).status, 0);
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_EQ(Ferroxctl("autostart off", env).status, 0) << "already off is no failure";
}

TEST(AutostartCommand, RelativeConfigHomeDataDirAndErrors) {
    const fs::path home = test::Scratch() / "home";
    fs::remove_all(home);
    // A relative XDG_CONFIG_HOME is ignored, as XDG says.
    const std::string env = "HOME=" + home.string() + " XDG_CONFIG_HOME=relative";
    const ProgramRun on = Ferroxctl("autostart on --data-dir " + (home / "mouse").string(), env);
    EXPECT_EQ(on.status, 0) << on.err;
    const fs::path entry = home / ".config" / "autostart" / FERROX_APP_ID ".desktop";
    EXPECT_NE(Slurp(entry).find("--start-hidden --data-dir " + (home / "mouse").string() + "\n"),
              std::string::npos);

    EXPECT_EQ(Ferroxctl("autostart maybe", env).status, 2);
    EXPECT_EQ(Ferroxctl("autostart on off", env).status, 2);
    EXPECT_EQ(Ferroxctl("autostart show on", env).status, 2);

    // A file where the autostart folder belongs: a failure that says so, nothing written.
    const fs::path blocked = test::Scratch() / "blocked-config";
    fs::remove_all(blocked);
    fs::create_directories(blocked);
    std::ofstream(blocked / "autostart") << "not a folder";
    const ProgramRun refused = Ferroxctl("autostart on", "XDG_CONFIG_HOME=" + blocked.string());
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.rfind("ferroxctl autostart: cannot create " +
                                    (blocked / "autostart").string(),
                                0),
              0u)
        << refused.err;
    EXPECT_EQ(Slurp(blocked / "autostart"), "not a folder");
}

} // namespace
} // namespace ferrox
