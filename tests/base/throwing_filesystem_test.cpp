// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files and folders come from outside, so any std::filesystem call may fail; the forms that
// throw on failure would end the program (an uncaught filesystem_error aborts). Every call in
// the sources takes an error_code, or works on a file_status already fetched.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

// The functions of std::filesystem that report failure by throwing unless given an error_code.
const char* const kCalls =
    "absolute|canonical|copy|copy_file|copy_symlink|create_directories|create_directory|"
    "create_directory_symlink|create_hard_link|create_symlink|current_path|equivalent|exists|"
    "file_size|hard_link_count|is_block_file|is_character_file|is_directory|is_empty|is_fifo|"
    "is_other|is_regular_file|is_socket|is_symlink|last_write_time|permissions|proximate|"
    "read_symlink|relative|remove|remove_all|rename|resize_file|space|status|symlink_status|"
    "temp_directory_path|weakly_canonical|directory_iterator|recursive_directory_iterator";
// directory_entry's own queries, which throw when called without an error_code.
const char* const kEntryCalls =
    "exists|is_directory|is_regular_file|is_symlink|file_size|status|symlink_status|"
    "last_write_time|hard_link_count";

// The arguments of the call whose "(" is at open: the text up to the matching ")".
std::string Arguments(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t at = open; at < text.size(); ++at) {
        depth += text[at] == '(' ? 1 : text[at] == ')' ? -1 : 0;
        if (depth == 0)
            return text.substr(open + 1, at - open - 1);
    }
    return text.substr(open + 1);
}

std::string LastArgument(const std::string& arguments) {
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const char c = arguments[at];
        depth += (c == '(' || c == '{' || c == '[') ? 1 : (c == ')' || c == '}' || c == ']') ? -1 : 0;
        if (c == ',' && depth == 0)
            start = at + 1;
    }
    const std::string last = arguments.substr(start);
    const std::size_t first = last.find_first_not_of(" \t\n");
    const std::size_t end = last.find_last_not_of(" \t\n");
    return first == std::string::npos ? std::string() : last.substr(first, end - first + 1);
}

// Whether the file declares name as an error_code or a file_status.
bool DeclaredAsNonThrowing(const std::string& text, const std::string& name) {
    if (name.empty() || name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789") != std::string::npos)
        return false;
    const std::regex declaration("(error_code|file_status)\\s*&?\\s+" + name + "\\b");
    return std::regex_search(text, declaration);
}

int LineOf(const std::string& text, std::size_t at) {
    return 1 + int(std::count(text.begin(), text.begin() + std::ptrdiff_t(at), '\n'));
}

// "line: call" for each throwing call in the text of one source file.
std::vector<std::string> ThrowingCalls(const std::string& text) {
    std::vector<std::string> found;
    const std::regex free("\\b(?:std::filesystem|fs)::(" + std::string(kCalls) + ")\\s*\\(");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), free); it != std::sregex_iterator(); ++it) {
        const std::size_t open = std::size_t(it->position() + it->length() - 1);
        if (!DeclaredAsNonThrowing(text, LastArgument(Arguments(text, open))))
            found.push_back(std::to_string(LineOf(text, std::size_t(it->position()))) + ": " + it->str());
    }
    // Only where directory entries are met: other classes (Qt's among them) share the names.
    const bool entries = text.find("directory_iterator") != std::string::npos ||
                         text.find("directory_entry") != std::string::npos;
    const std::regex member("(?:\\.|->)(" + std::string(entries ? kEntryCalls : "$^") + ")\\(\\s*\\)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), member); it != std::sregex_iterator(); ++it)
        found.push_back(std::to_string(LineOf(text, std::size_t(it->position()))) + ": " + it->str());
    // A range-for steps with operator++, which throws.
    const std::regex loop("for\\s*\\([^;)]*:\\s*(?:std::filesystem|fs)::(?:recursive_)?directory_iterator");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), loop); it != std::sregex_iterator(); ++it)
        found.push_back(std::to_string(LineOf(text, std::size_t(it->position()))) + ": " + it->str());
    return found;
}

TEST(ThrowingFilesystem, TheScanFindsEachThrowingForm) {
    const std::string text = R"(
        std::error_code ec;
        fs::file_status status = fs::status(path, ec);
        bool a = fs::exists(path);
        bool b = std::filesystem::is_directory(folder / name(x, y));
        bool c = fs::is_regular_file(status);
        fs::rename(from, to, ec);
        for (const auto& entry : fs::directory_iterator(root, ec)) {}
        bool d = entry.is_regular_file();
        bool e = it->is_symlink(ec);
    )";
    const std::vector<std::string> found = ThrowingCalls(text);
    ASSERT_EQ(found.size(), 4u) << testing::PrintToString(found);
    EXPECT_EQ(found[0], "4: fs::exists(");
    EXPECT_EQ(found[1], "5: std::filesystem::is_directory(");
    EXPECT_EQ(found[2], "9: .is_regular_file()");
    EXPECT_EQ(found[3], "8: for (const auto& entry : fs::directory_iterator");
}

TEST(ThrowingFilesystem, NoSourceFileUsesAThrowingForm) {
    std::vector<std::string> found;
    const fs::path sources = fs::path(FERROX_SOURCE_DIR) / "src";
    for (const auto& entry : fs::recursive_directory_iterator(sources)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h")
            continue;
        std::ifstream in(entry.path());
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        for (const std::string& call : ThrowingCalls(text))
            found.push_back(fs::relative(entry.path(), sources).string() + ":" + call);
    }
    EXPECT_TRUE(found.empty()) << "calls that throw on failure:\n" << testing::PrintToString(found);
}

} // namespace
} // namespace ferrox
