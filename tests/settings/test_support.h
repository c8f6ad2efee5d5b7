#pragma once
// Small file helpers shared by the settings tests.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

} // namespace ferrox::test
