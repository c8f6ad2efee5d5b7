// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Data folders in bad shape, each run through ferroxctl (the real program) and the window: a
// copied or moved folder, a configuration cut short or naming no profile file, folders that
// cannot hold files, and files that cannot be read. Whatever the folder, nothing outside it is
// written, no command aborts or hangs, what could not be used is named, and a command that
// would save over what it could not read changes nothing.

#include "cli/ferroxctl_program.h"
#include "run_as_nobody.h"
#include "scratch_folder.h"
#include "settings/profile_slots.h"
#include "window_fixture.h"

#include "app/dialogs/attention_dlg.h"
#include "base/text_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ferrox::test {
namespace {

namespace fs = std::filesystem;

// Where one row lays out its folder: only data may be written; root holds what lies beside it.
struct Ground {
    fs::path root;
    fs::path data;
    fs::path original; // a healthy folder the copied and moved rows start from
};

enum class Needs { Nothing, Mount, OtherUser };

struct Row {
    const char* name;
    void (*make)(const Ground&);
    int read;   // exit status of show, config and macro list
    int change; // of profile add and profile rename
    // Under root, what the messages must name (a file, or a folder the problem is in).
    std::vector<std::string> named = {};
    // Under root, what no program may change; a refused command keeps the whole folder.
    std::vector<std::string> kept = {};
    bool refused = false; // the changing commands change nothing in the folder
    Needs needs = Needs::Nothing;
    const char* slot3 = nullptr; // the name slot 3 must have: the folder's own file
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

// --- laying folders out ---

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Utf16(const std::string& text) {
    std::string bytes;
    AppendUtf16le(bytes, FromUtf8(text));
    return bytes;
}

ProgramRun Ctl(const fs::path& folder, const std::string& words) {
    return Ferroxctl("--data-dir " + Quoted(folder) + " " + words);
}

// What a user has after a while: every file written, slots 3 and 4 named.
void MakeHealthy(const fs::path& folder, const std::string& tag) {
    ASSERT_EQ(Ctl(folder, "show").status, 0);
    for (int slot : {3, 4})
        ASSERT_EQ(Ctl(folder, "profile rename " + std::to_string(slot) + " '" + tag + " " +
                                  std::to_string(slot) + "'")
                      .status,
                  0);
}

fs::path ConfigIni(const Ground& g) {
    return g.data / "config" / "config.ini";
}

// config.ini of a healthy folder with one of its lines replaced.
void ReplaceConfigLine(const Ground& g, const std::string& key, const std::string& line) {
    MakeHealthy(g.data, "Mine");
    std::string text = Bytes(ConfigIni(g));
    const std::size_t at = text.find(Utf16(key));
    ASSERT_NE(at, std::string::npos);
    const std::size_t end = text.find(Utf16("\n"), at);
    text.replace(at, end - at, Utf16(line));
    Write(ConfigIni(g), text);
}

void Copied(const Ground& g) {
    MakeHealthy(g.original, "Original");
    ASSERT_EQ(std::system(("cp -a " + Quoted(g.original) + " " + Quoted(g.data)).c_str()), 0);
    // The copy's own slot 3, made in a folder of its own.
    const fs::path other = g.root / "other";
    MakeHealthy(other, "Copy");
    fs::copy_file(other / "config" / "default3.psf", g.data / "config" / "default3.psf",
                  fs::copy_options::overwrite_existing);
    fs::remove_all(other);
}

void Moved(const Ground& g) {
    MakeHealthy(g.original, "Original");
    fs::rename(g.original, g.data);
}

// Cut inside slot 3's path, where it still names a place beside the data folder.
void CutInsidePath(const Ground& g) {
    MakeHealthy(g.data, "Mine");
    const std::string text = Bytes(ConfigIni(g));
    const std::string start = Utf16("ProfileSlot3URL=" + (g.root / "da").string());
    const std::size_t at = text.find(start);
    ASSERT_NE(at, std::string::npos);
    Write(ConfigIni(g), text.substr(0, at + start.size()));
}

void EmptyConfig(const Ground& g) {
    MakeHealthy(g.data, "Mine");
    Write(ConfigIni(g), "");
}

void BomOnlyConfig(const Ground& g) {
    MakeHealthy(g.data, "Mine");
    Write(ConfigIni(g), "\xFF\xFE");
}

void RelativeSlotPath(const Ground& g) {
    ReplaceConfigLine(g, "ProfileSlot2URL=", "ProfileSlot2URL=default2.psf");
}

void SlotPathNoProfile(const Ground& g) {
    Write(g.root / "notes.txt", "the user's own notes");
    ReplaceConfigLine(g, "ProfileSlot2URL=", "ProfileSlot2URL=" + (g.root / "notes.txt").string());
}

// A file system mounted on the data folder for the row, unmounted when the row ends.
void MountTmpfs(const fs::path& folder, const char* options) {
    fs::create_directories(folder);
    ASSERT_EQ(::mount("tmpfs", folder.c_str(), "tmpfs", 0, options), 0) << std::strerror(errno);
}

void ReadOnlyFolder(const Ground& g) {
    if (::geteuid() != 0) {
        MakeHealthy(g.data, "Mine");
        ASSERT_EQ(std::system(("chmod -R a-w " + Quoted(g.data)).c_str()), 0);
        return;
    }
    MountTmpfs(g.data, "size=4m");
    MakeHealthy(g.data, "Mine");
    ASSERT_EQ(::mount("tmpfs", g.data.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=4m"), 0)
        << std::strerror(errno);
}

// A first run on a disk that has no room left.
void FullDisk(const Ground& g) {
    MountTmpfs(g.data, "size=64k");
    const int fd = ::open((g.data / "filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0)
        ;
    ::close(fd);
}

void FolderIsAFile(const Ground& g) {
    Write(g.data, "not a folder");
}

void ConfigFolderIsAFile(const Ground& g) {
    fs::create_directories(g.data);
    Write(g.data / "config", "not a folder");
}

void DanglingProfile(const Ground& g) {
    MakeHealthy(g.data, "Mine");
    fs::create_directories(g.root / "elsewhere");
    fs::remove(g.data / "config" / "default3.psf");
    fs::create_symlink(g.root / "elsewhere" / "gone.psf", g.data / "config" / "default3.psf");
}

// Mode 000 means something only to a user other than root: as root, the programs run as nobody,
// who then owns the folder.
void GiveToOtherUser(const Ground& g) {
    if (::geteuid() == 0) {
        ASSERT_EQ(std::system(("chown -R 65534:65534 " + Quoted(g.root)).c_str()), 0);
    }
}

void UnreadableProfile(const Ground& g) {
    MakeHealthy(g.data, "Mine");
    ASSERT_EQ(::chmod((g.data / "config" / "default3.psf").c_str(), 0), 0);
    GiveToOtherUser(g);
}

void ConfigIsAFolder(const Ground& g) {
    MakeHealthy(g.data, "Mine");
    fs::remove(ConfigIni(g));
    fs::create_directories(ConfigIni(g) / "inside");
}

void UnreadableConfig(const Ground& g) {
    MakeHealthy(g.data, "Mine");
    ASSERT_EQ(::chmod(ConfigIni(g).c_str(), 0), 0);
    GiveToOtherUser(g);
}

const std::string kIni = "data/config/config.ini";
const std::string kSlot3 = "data/config/default3.psf";

const Row kRows[] = {
    {"copied folder", Copied, 0, 0, {}, {"original"}, false, Needs::Nothing, "Copy 3"},
    {"moved folder, original removed", Moved, 0, 0, {}, {}, false, Needs::Nothing, "Original 3"},
    {"config.ini cut inside a path", CutInsidePath, 0, 0, {kIni}, {}, false, Needs::Nothing,
     "Mine 3"},
    {"config.ini empty", EmptyConfig, 0, 0, {kIni}},
    {"config.ini only a byte-order mark", BomOnlyConfig, 0, 0, {kIni}},
    {"relative slot path", RelativeSlotPath, 0, 0, {kIni}, {}, false, Needs::Nothing, "Mine 3"},
    {"slot path not ending in .psf", SlotPathNoProfile, 0, 0, {kIni}, {}, false, Needs::Nothing,
     "Mine 3"},
    {"data folder read-only", ReadOnlyFolder, 0, 1, {}, {}, true, Needs::Mount, "Mine 3"},
    {"data folder on a full disk, first run", FullDisk, 1, 1, {"data/config/default0.psf"}, {},
     false, Needs::Mount},
    {"data folder is a file", FolderIsAFile, 1, 1, {"data"}, {}, true},
    {"config/ is a file", ConfigFolderIsAFile, 1, 1, {"data/config"}, {}, true},
    {"profile a dangling symbolic link", DanglingProfile, 0, 1, {kSlot3}, {kSlot3}, true,
     Needs::Nothing},
    {"profile unreadable (mode 000)", UnreadableProfile, 0, 1, {kSlot3}, {kSlot3}, true,
     Needs::OtherUser},
    {"config.ini a folder", ConfigIsAFolder, 0, 1, {kIni}, {kIni, kSlot3}, true},
    {"config.ini unreadable (mode 000)", UnreadableConfig, 0, 1, {kIni}, {kIni, kSlot3}, true,
     Needs::OtherUser},
};

// --- what is on disk ---

// Every entry under path (path itself included) with its kind, mode and contents.
std::map<fs::path, std::string> Snapshot(const fs::path& path, const fs::path& skip = {}) {
    std::map<fs::path, std::string> entries;
    auto note = [&](const fs::path& p) {
        struct stat info {};
        if (::lstat(p.c_str(), &info) != 0)
            return;
        std::string& entry = entries[p];
        entry = std::to_string(info.st_mode) + ":";
        if (S_ISLNK(info.st_mode))
            entry += fs::read_symlink(p).string();
        else if (S_ISREG(info.st_mode))
            entry += Bytes(p);
    };
    note(path);
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(path, ec)))
        return entries;
    for (auto it = fs::recursive_directory_iterator(path, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        if (!skip.empty() && it->path() == skip) {
            it.disable_recursion_pending();
            continue;
        }
        note(it->path());
    }
    return entries;
}

std::map<fs::path, std::string> Kept(const Ground& g, const Row& row) {
    std::map<fs::path, std::string> kept;
    for (const std::string& name : row.kept)
        kept.merge(Snapshot(g.root / name));
    return kept;
}

// What must be as it was when a row ends: everything beside the folder, and what it keeps.
struct Watched {
    std::map<fs::path, std::string> outside;
    std::map<fs::path, std::string> kept;
};

Watched Watch(const Ground& g, const Row& row) {
    return {Snapshot(g.root, g.data), Kept(g, row)};
}

void ExpectUnchanged(const Ground& g, const Row& row, const Watched& watched) {
    EXPECT_EQ(Kept(g, row), watched.kept);
    EXPECT_EQ(Snapshot(g.root, g.data), watched.outside)
        << "something outside the data folder changed";
}

// The ground of one row, built afresh, and left unmounted and removable when the row ends.
class RowGround {
public:
    RowGround(const std::string& where, const Row& row) {
        g_.root = Scratch() / where / row.name;
        g_.data = g_.root / "data";
        g_.original = g_.root / "original";
        Clear();
        fs::create_directories(g_.root);
    }
    ~RowGround() { Clear(); }
    const Ground& get() const { return g_; }

private:
    void Clear() {
        while (::umount2(g_.data.c_str(), MNT_DETACH) == 0)
            ;
        (void)!std::system(("chmod -R u+rwx " + Quoted(g_.root) + " 2>/dev/null").c_str());
        fs::remove_all(g_.root);
    }
    Ground g_;
};

// Why the row cannot be set up by this user; empty when it can.
std::string Unavailable(const Row& row) {
    if (row.needs == Needs::Mount && ::geteuid() != 0 && row.make == FullDisk)
        return "mounting a small file system needs root";
    if (row.needs == Needs::OtherUser && ::geteuid() == 0 && !CanRunAsNobody())
        return "needs another user";
    return {};
}

bool AsOtherUser(const Row& row) {
    return row.needs == Needs::OtherUser && ::geteuid() == 0;
}

// --- ferroxctl ---

class BadFolderCommands : public ::testing::TestWithParam<Row> {
protected:
    ProgramRun Run(const Ground& g, const Row& row, const std::string& words) {
        // From the row's root, so that a relative path would land where it is watched.
        std::string environment = "cd " + Quoted(g.root) + " && timeout -s KILL 60";
        if (AsOtherUser(row)) {
            // Beside the rows' grounds: the lock file it holds is no file of the row's.
            const fs::path runtime = Scratch() / "runtime-of-nobody";
            fs::create_directories(runtime);
            EXPECT_EQ(::chown(runtime.c_str(), kNobody, kNobody), 0);
            EXPECT_EQ(::chmod(runtime.c_str(), 0700), 0);
            environment += " env XDG_RUNTIME_DIR=" + Quoted(runtime) +
                           " setpriv --reuid=65534 --regid=65534 --clear-groups";
        }
        return Ferroxctl("--data-dir " + Quoted(g.data) + " " + words, environment);
    }
};

TEST_P(BadFolderCommands, NothingOutsideIsWrittenAndWhatCannotBeUsedIsNamed) {
    const Row& row = GetParam();
    if (const std::string why = Unavailable(row); !why.empty())
        GTEST_SKIP() << why;
    RowGround ground("bad-folders-cli", row);
    const Ground& g = ground.get();
    row.make(g);
    if (HasFatalFailure())
        return;
    const Watched watched = Watch(g, row);

    std::string told;
    for (const char* words : {"show", "config", "macro list", "show 3"}) {
        const ProgramRun run = Run(g, row, words);
        EXPECT_EQ(run.status, row.read) << words << ": " << run.err;
        told += run.err;
        if (row.slot3 && std::string(words) == "show 3") {
            EXPECT_NE(run.out.find(std::string("profile slot 3: ") + row.slot3), std::string::npos)
                << run.out;
        }
    }
    for (const std::string& name : row.named)
        EXPECT_NE(told.find((g.root / name).string()), std::string::npos)
            << name << " is not named in:\n"
            << told;

    const auto before = Snapshot(g.data);
    for (const char* words : {"profile add New", "profile rename 4 Renamed"}) {
        const ProgramRun run = Run(g, row, words);
        EXPECT_EQ(run.status, row.change) << words << ": " << run.err;
        // A refusal or a failure says which file or folder it is about.
        if (row.change != 0) {
            EXPECT_NE(run.err.find(g.data.string()), std::string::npos) << words << ": " << run.err;
        }
    }
    if (row.refused) {
        EXPECT_EQ(Snapshot(g.data), before) << "a refused command changed the folder";
    }
    if (row.change == 0) {
        EXPECT_NE(Run(g, row, "show 4").out.find("profile slot 4: Renamed"), std::string::npos);
    }
    ExpectUnchanged(g, row, watched);
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Rows, BadFolderCommands, ::testing::ValuesIn(kRows), RowName);

// --- the window ---

class BadFolderWindow : public WindowTest, public ::testing::WithParamInterface<Row> {};

TEST_P(BadFolderWindow, StartsOnWhatItCanAndNamesTheRest) {
    const Row& row = GetParam();
    if (const std::string why = Unavailable(row); !why.empty())
        GTEST_SKIP() << why;
    if (AsOtherUser(row))
        GTEST_SKIP() << "the window runs in this process, which cannot become another user";
    RowGround ground("bad-folders-window", row);
    const Ground& g = ground.get();
    row.make(g);
    if (HasFatalFailure())
        return;
    const Watched watched = Watch(g, row);

    Start start;
    start.folder = g.data;
    StartWindow(start);
    if (row.slot3) {
        EXPECT_EQ(ProfileValue(Profiles[3], ProfileKey::ProfileName), FromUtf8(row.slot3));
    }
    const auto* notice = dynamic_cast<const CAttentionDlg*>(Window().Notices().HeldFilesNoticeWindow());
    if (row.named.empty()) {
        EXPECT_EQ(notice, nullptr);
    } else {
        ASSERT_NE(notice, nullptr);
        for (const std::string& name : row.named)
            EXPECT_NE(ToUtf8(notice->Message()).find((g.root / name).string()), std::string::npos)
                << name << " is not named in:\n"
                << ToUtf8(notice->Message());
    }
    // What the profile bar does, then the end of the program with its saves.
    (void)AddProfile(L"New");
    (void)RenameProfile(4, L"Renamed");
    CloseWindow();
    ExpectUnchanged(g, row, watched);
}

INSTANTIATE_TEST_SUITE_P(Rows, BadFolderWindow, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace ferrox::test
