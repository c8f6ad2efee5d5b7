// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/app_globals.h"
#include "cli/command_table.h"
#include "macros/macro_library_file.h"
#include "macros/macro_user_library.h"
#include "settings/test_support.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

class MacroCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        DataFolder = dir / "data";
        fs::create_directories(ConfigFolder());
        fs::copy_file(fs::path(FERROX_TEST_DATA_DIR) / "sample.mlf", UserMacroLibraryPath());
    }

    int Run(std::vector<std::string> args, bool json = false) {
        out.str("");
        err.str("");
        CliContext context(out, err);
        context.args = std::move(args);
        context.json = json;
        const CliCommand* command = FindCommand("macro");
        return command ? command->run(context) : -1;
    }

    std::string Library() { return test::ReadBytes(UserMacroLibraryPath()); }
    std::string File(const char* name) { return (dir / name).string(); }

    fs::path dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(MacroCommand, ListShowsTheWholeTree) {
    ASSERT_EQ(Run({"list"}), kExitOk);
    EXPECT_EQ(out.str(), "Hello  [#3, 2 actions, loop 4]\n"
                         "Games/\n"
                         "  FPS/\n"
                         "    Burst ✓  [#5, 0 actions, loop 1]\n"
                         "Edit/\n"
                         "  Copy  [#7, 3 actions, loop 2 x1]\n");
    ASSERT_EQ(Run({"list"}, true), kExitOk);
    EXPECT_EQ(out.str().rfind("{\"format\": 1, \"items\": [{\"name\":\"Hello\"", 0), 0u) << out.str();
    EXPECT_NE(out.str().find("{\"name\":\"Copy\",\"folder\":false,\"keyIndex\":7"),
              std::string::npos);
}

TEST_F(MacroCommand, ExportThenImportIntoAFolderSavesTheLibrary) {
    ASSERT_EQ(Run({"export", "Edit/Copy", File("copy.mkf")}), kExitOk) << err.str();
    ASSERT_EQ(Run({"import", File("copy.mkf"), "Games"}), kExitOk) << err.str();
    MacroLibrary saved;
    MacroLocation sel;
    ASSERT_TRUE(ReadMacroLibrary(UserMacroLibraryPath(), saved, sel));
    ASSERT_EQ(saved.NodeAt({1, 1, 1, 0})->MacroItemName, L"Copy");
    EXPECT_EQ(saved.NodeAt({1, 1, 1, 0})->macro->MacroKeyIndex, 8);
    EXPECT_EQ(saved.NodeAt({1, 1, 1, 0})->macro->MacroActionNum, 3u);
}

TEST_F(MacroCommand, SetsRoundTripThroughFiles) {
    ASSERT_EQ(Run({"export-set", "Games", File("games.mbf")}), kExitOk) << err.str();
    ASSERT_EQ(Run({"export-set", File("all.mbf")}), kExitOk) << err.str();
    // Everything is already there: the names are taken.
    EXPECT_EQ(Run({"import-set", File("all.mbf")}), kExitFailure);
    ASSERT_EQ(Run({"import-set", File("games.mbf"), "Edit"}), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "Imported 1 item from " + File("games.mbf") + "\n");
    ASSERT_EQ(Run({"list"}), kExitOk);
    EXPECT_NE(out.str().find("Edit/\n  Copy  [#7, 3 actions, loop 2 x1]\n  Games/\n"),
              std::string::npos);
}

TEST_F(MacroCommand, FailuresPrintOneLineAndChangeNothing) {
    const std::string before = Library();
    test::WriteBytes(dir / "junk.mkf", "junk");
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{}, kExitUsage},
        {{"list", "extra"}, kExitUsage},
        {{"export", "Edit/Copy"}, kExitUsage},
        {{"rename", "a", "b"}, kExitUsage},
        {{"export", "Edit/Nope", File("x.mkf")}, kExitFailure},
        {{"export", "Edit", File("x.mkf")}, kExitFailure},
        {{"export", "Hello", File("missing/x.mkf")}, kExitFailure},
        {{"import", File("absent.mkf")}, kExitFailure},
        {{"import", File("junk.mkf")}, kExitFailure},
        {{"import", File("absent.mkf"), "Hello"}, kExitFailure},
        {{"import-set", File("junk.mkf")}, kExitFailure},
        {{"import-set", File("absent.mbf"), "Edit", "extra"}, kExitUsage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args[0]);
        EXPECT_EQ(Run(c.args), c.status);
        const std::string message = err.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_EQ(message.rfind("ferroxctl macro: ", 0), 0u) << message;
    }
    EXPECT_TRUE(Library() == before);
    EXPECT_FALSE(fs::exists(dir / "x.mkf"));
}

TEST_F(MacroCommand, AnImportWithNoMacroNumberLeftSaysSo) {
    ASSERT_EQ(Run({"export", "Edit/Copy", File("copy.mkf")}), kExitOk) << err.str();
    MacroLibrary& library = UserMacroLibrary();
    ASSERT_TRUE(LoadUserMacroLibrary(library));
    library.SetNextKeyIndex(std::numeric_limits<std::int32_t>::max());
    ASSERT_TRUE(SaveUserMacroLibrary(library));
    EXPECT_EQ(Run({"import", File("copy.mkf")}), kExitFailure);
    EXPECT_NE(err.str().find("every macro number"), std::string::npos) << err.str();
}

} // namespace
} // namespace ferrox
