// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small file helpers shared by the settings tests.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

namespace ferrox::test {

// A fresh folder per test under the test's own data folder.
inline std::filesystem::path FreshFolder(const std::string& name) {
    const char* base = std::getenv("FERROX_DATA_DIR");
    std::filesystem::path folder =
        std::filesystem::path(base ? base : std::filesystem::temp_directory_path().string()) /
        "cases" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// UTF-16LE bytes of ASCII text (no mark).
inline std::string Utf16le(const std::string& ascii) {
    std::string out;
    for (char c : ascii) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

inline const std::string kBom = "\xFF\xFE";

// A fixture of tests/settings/data as text, with each {NAME} replaced.
inline std::string Fixture(const std::string& name,
                           std::initializer_list<std::pair<std::string, std::string>> fills = {}) {
    std::string text = ReadBytes(std::filesystem::path(FERROX_TEST_DATA_DIR) / name);
    for (const auto& [key, value] : fills)
        for (std::size_t at; (at = text.find("{" + key + "}")) != std::string::npos;)
            text.replace(at, key.size() + 2, value);
    return text;
}

} // namespace ferrox::test
