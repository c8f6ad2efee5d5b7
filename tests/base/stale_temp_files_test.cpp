#include "base/stale_temp_files.h"

#include "dead_process.h"
#include "scratch_folder.h"

#include <fstream>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

class StaleTempFilesTest : public testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    fs::path make(const std::string& name) {
        const fs::path path = folder_ / name;
        std::ofstream(path) << "x";
        return path;
    }
    const fs::path folder_ = test::Scratch() / "config";
};

TEST_F(StaleTempFilesTest, OnlyTheSavesOfEndedProcessesGo) {
    const std::string dead = std::to_string(test::DeadPid());
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
    fs::create_directories(folder_ / (".folder.tmp" + dead + "-1"));

    EXPECT_EQ(RemoveStaleTempFiles(folder_), 2);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(staleProfile));
    for (const fs::path& path : kept)
        EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_TRUE(fs::is_directory(folder_ / (".folder.tmp" + dead + "-1")));
    EXPECT_EQ(RemoveStaleTempFiles(folder_ / "missing"), 0);
}

} // namespace
} // namespace ferrox
