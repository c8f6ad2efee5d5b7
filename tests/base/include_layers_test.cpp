// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each folder of src/ may include only from the folders below it, so a change low in the tree
// never has to know what is built on top of it. The link libraries say the same for code; this
// holds headers to it too, where an upward include would compile and still bind the layers.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

const std::set<std::string> kCore = {"base", "lang", "keys", "macros", "buttons", "settings",
                                     "startup", "device/hid", "device/protocol", "device/virtual"};

// What each folder may include besides itself. The window program (app) may include anything.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"base", {}},
    {"lang", {"base"}},
    {"keys", {"base"}},
    {"macros", {"base", "keys"}},
    {"buttons", {"base", "keys", "lang", "macros"}},
    {"settings", {"base", "keys", "lang", "macros", "buttons"}},
    {"startup", {"base", "keys", "lang", "macros", "buttons", "settings"}},
    {"device/hid", {"base"}},
    {"device/protocol", {"base", "keys", "lang", "macros", "buttons", "settings", "device/hid"}},
    {"device/virtual", {"base", "device/hid", "device/protocol"}},
    {"cli", kCore},
    {"platform", {"base", "keys"}},
    {"ui", {"base", "lang", "keys", "platform"}},
};

// The folder an include path or a source path (relative to src/) belongs to.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find('/');
    const std::string top = path.substr(0, slash);
    if (top != "device" || slash == std::string::npos)
        return top;
    const std::size_t second = path.find('/', slash + 1);
    return second == std::string::npos ? top : path.substr(0, second);
}

// The includes of one file's text that its folder may not use.
std::vector<std::string> UpwardIncludes(const std::string& folder, const std::string& text) {
    std::vector<std::string> found;
    const auto rule = kAllowed.find(folder);
    if (rule == kAllowed.end())
        return found;
    const std::regex include(R"(#include\s+"([^"]+)\")");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), include);
         it != std::sregex_iterator(); ++it) {
        const std::string target = FolderOf((*it)[1].str());
        if (target != folder && !rule->second.contains(target))
            found.push_back((*it)[1].str());
    }
    return found;
}

TEST(IncludeLayers, FindsIncludesFromAbove) {
    struct Case {
        const char* folder;
        const char* text;
        std::vector<std::string> upward;
    };
    const Case cases[] = {
        {"ui", "#include \"ui/dlg_base.h\"\n#include \"platform/canvas.h\"\n", {}},
        {"ui", "#include \"macros/macro_library.h\"\n", {"macros/macro_library.h"}},
        {"keys", "#include \"buttons/key_slot.h\"\n", {"buttons/key_slot.h"}},
        {"device/hid", "#include \"device/protocol/frame.h\"\n", {"device/protocol/frame.h"}},
        {"device/protocol", "#include \"device/hid/hid_backend.h\"\n", {}},
        {"cli", "#include \"ui/dlg_base.h\"\n", {"ui/dlg_base.h"}},
        {"app", "#include \"ui/dlg_base.h\"\n", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpwardIncludes(c.folder, c.text), c.upward) << c.folder << ": " << c.text;
}

TEST(IncludeLayers, NoFolderIncludesFromAbove) {
    const fs::path sources = fs::path(FERROX_SOURCE_DIR) / "src";
    std::error_code error;
    std::vector<std::string> faults;
    for (auto it = fs::recursive_directory_iterator(sources, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::path path = it->path();
        if (path.extension() != ".h" && path.extension() != ".cpp")
            continue;
        std::ifstream in(path);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const std::string relative = path.lexically_relative(sources).generic_string();
        for (const std::string& upward : UpwardIncludes(FolderOf(relative), text))
            faults.push_back(relative + " includes " + upward);
    }
    ASSERT_FALSE(error) << error.message();
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

} // namespace
} // namespace ferrox
