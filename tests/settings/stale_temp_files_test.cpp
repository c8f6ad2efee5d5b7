#include "settings/stale_temp_files.h"

#include "settings/settings_fixture.h"
#include "settings/startup_load.h"

#include <sys/wait.h>
#include <unistd.h>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

// The id of a process that has ended (and been reaped), so no process has it now.
pid_t DeadPid() {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

class StaleTempFilesTest : public test::SettingsStores {
protected:
    fs::path make(const std::string& name) {
        fs::create_directories(ConfigFolder());
        const fs::path path = ConfigFolder() / name;
        test::WriteBytes(path, "x");
        return path;
    }
};

TEST_F(StaleTempFilesTest, OnlyTheSavesOfEndedProcessesGo) {
    const std::string dead = std::to_string(DeadPid());
    const std::string alive = std::to_string(getpid());
    const fs::path stale = make(".config.ini.tmp" + dead + "-3");
    const fs::path staleProfile = make(".default0.psf.tmp" + dead + "-12");
    const std::vector<fs::path> kept = {
        make(".config.ini.tmp" + alive + "-0"), // a save in progress
        make("config.ini"),
        make("default0.psf.tmp" + dead + "-1"), // not hidden: not one of ours
        make(".config.ini.tmp" + dead + "-"),
        make(".config.ini.tmp" + dead + "x-1"),
        make(".config.ini.tmp-1"),
        make(".tmp" + dead + "-1"),
    };
    fs::create_directories(ConfigFolder() / (".folder.tmp" + dead + "-1"));

    EXPECT_EQ(RemoveStaleTempFiles(ConfigFolder()), 2);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(staleProfile));
    for (const fs::path& path : kept)
        EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_TRUE(fs::is_directory(ConfigFolder() / (".folder.tmp" + dead + "-1")));
    EXPECT_EQ(RemoveStaleTempFiles(DataFolder / "missing"), 0);
}

TEST_F(StaleTempFilesTest, StartUpSweepsTheConfigFolder) {
    const fs::path stale = make(".MacroLibraryFile.mlf.tmp" + std::to_string(DeadPid()) + "-0");
    LoadUserData();
    EXPECT_FALSE(fs::exists(stale));
}

} // namespace
} // namespace ferrox
