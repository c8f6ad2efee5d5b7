#include "base/damaged_file.h"
#include "base/text_file.h"
#include "settings/test_support.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

bool Save(const fs::path& path, const std::wstring& text) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kUnicodeWrite))
        return false;
    file.WriteText(text);
    return file.Close();
}

// The kept file shares the damaged one's storage until a save replaces the damaged file, and
// then still holds the old bytes.
TEST(DamagedFile, KeptContentsSurviveTheNextSave) {
    const fs::path folder = test::FreshFolder("damaged_kept");
    const fs::path path = folder / "MacroLibraryFile.mlf";
    WriteBytes(path, "broken bytes");
    WriteBytes(folder / "MacroLibraryFile.mlf.damaged", "an older damaged file");
    ASSERT_TRUE(KeepDamagedFile(path));
    EXPECT_TRUE(fs::equivalent(path, folder / "MacroLibraryFile.mlf.damaged"));
    ASSERT_TRUE(Save(path, L"fresh\n"));
    EXPECT_EQ(ReadBytes(folder / "MacroLibraryFile.mlf.damaged"), "broken bytes");
    EXPECT_EQ(ReadBytes(path), test::kBom + test::Utf16le("fresh\n"));
}

TEST(DamagedFile, LinksKeepWhatTheyPointAtAndNothingIsKeptOfNoFile) {
    const fs::path folder = test::FreshFolder("damaged_link");
    WriteBytes(folder / "real.psf", "broken");
    fs::create_symlink("real.psf", folder / "link.psf");
    ASSERT_TRUE(KeepDamagedFile(folder / "link.psf"));
    ASSERT_TRUE(Save(folder / "link.psf", L"fresh\n"));
    EXPECT_FALSE(fs::is_symlink(folder / "link.psf.damaged"));
    EXPECT_EQ(ReadBytes(folder / "link.psf.damaged"), "broken");

    EXPECT_FALSE(KeepDamagedFile(folder / "absent.psf"));
    EXPECT_FALSE(KeepDamagedFile(folder));
    EXPECT_FALSE(KeepDamagedFile({}));
    EXPECT_FALSE(fs::exists(folder / "absent.psf.damaged"));
}

} // namespace
} // namespace ferrox
