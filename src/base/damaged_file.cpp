// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/damaged_file.h"

#include "base/file_replace.h"
#include "base/regular_file.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <system_error>

namespace ferrox {

namespace fs = std::filesystem;

namespace {

struct HeldFile {
    fs::path given;
    fs::path comparable; // links resolved, so that any spelling of the path finds it
};
std::mutex heldMutex;
std::vector<HeldFile> held;

void Hold(const fs::path& path) {
    std::lock_guard lock(heldMutex);
    fs::path comparable = ComparablePath(path);
    if (std::none_of(held.begin(), held.end(),
                     [&](const HeldFile& file) { return file.comparable == comparable; }))
        held.push_back({path, std::move(comparable)});
}

// The number of an existing copy of name: 1 for "<name>.damaged", n for "<name>.damaged.n";
// 0 when entry is no copy of it.
int CopyNumber(const std::string& entry, const std::string& name) {
    const std::string stem = name + ".damaged";
    if (entry.compare(0, stem.size(), stem) != 0)
        return 0;
    if (entry.size() == stem.size())
        return 1;
    if (entry[stem.size()] != '.')
        return 0;
    int number = 0;
    const char* first = entry.data() + stem.size() + 1;
    const char* last = entry.data() + entry.size();
    auto [end, ec] = std::from_chars(first, last, number);
    return ec == std::errc() && end == last && number >= 2 ? number : 0;
}

// Existing copies of path as (number, file), oldest first.
std::vector<std::pair<int, fs::path>> ExistingCopies(const fs::path& path) {
    std::vector<std::pair<int, fs::path>> copies;
    std::error_code ec;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (int number = CopyNumber(it->path().filename().string(), path.filename().string()))
            copies.emplace_back(number, it->path());
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

fs::path CopyPath(const fs::path& path, int number) {
    fs::path copy = path;
    copy += ".damaged";
    if (number > 1)
        copy += "." + std::to_string(number);
    return copy;
}

bool MakeCopy(const fs::path& contents, const fs::path& copy) {
    std::error_code ec;
    fs::create_hard_link(contents, copy, ec);
    if (ec) {
        ec.clear();
        fs::copy_file(contents, copy, fs::copy_options::none, ec);
    }
    return !ec;
}

bool SameBytes(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(a, ec);
    if (ec || fs::file_size(b, ec) != size || ec)
        return false;
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    char one[64 * 1024];
    char two[sizeof one];
    while (first && second) {
        first.read(one, sizeof one);
        second.read(two, sizeof two);
        if (first.gcount() != second.gcount() ||
            std::memcmp(one, two, std::size_t(first.gcount())) != 0)
            return false;
    }
    return first.eof() && second.eof();
}

// A file that stays damaged from one run to the next (one that cannot be replaced, or that
// the same fault spoils the same way again) is already kept: another copy would only push the
// older, different ones out.
bool AlreadyKept(const fs::path& contents, const std::vector<std::pair<int, fs::path>>& copies) {
    std::error_code ec;
    return std::any_of(copies.begin(), copies.end(), [&](const auto& copy) {
        return fs::equivalent(contents, copy.second, ec) || SameBytes(contents, copy.second);
    });
}

void RemoveOldestCopies(std::vector<std::pair<int, fs::path>>& copies) {
    std::error_code ec;
    while (copies.size() > std::size_t(kDamagedCopiesKept)) {
        fs::remove(copies.front().second, ec);
        copies.erase(copies.begin());
    }
}

} // namespace

bool KeepDamagedFile(const fs::path& path) {
    std::error_code ec;
    if (path.empty())
        return false;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return false;
    ReplaceWithFreshMode(path);
    // A file that cannot even be looked at is held like one that cannot be copied.
    const fs::path contents = fs::canonical(path, ec);
    if (ec || !fs::is_regular_file(status)) {
        if (ec)
            Hold(path);
        return false;
    }
    std::vector<std::pair<int, fs::path>> copies = ExistingCopies(path);
    if (AlreadyKept(contents, copies))
        return true;
    const int number = copies.empty() ? 1 : copies.back().first + 1;
    if (!MakeCopy(contents, CopyPath(path, number))) {
        Hold(path);
        return false;
    }
    copies.emplace_back(number, CopyPath(path, number));
    RemoveOldestCopies(copies);
    return true;
}

void HoldFile(const fs::path& path) {
    Hold(path);
}

bool IsHeldFile(const fs::path& path) {
    std::lock_guard lock(heldMutex);
    if (held.empty())
        return false;
    const fs::path comparable = ComparablePath(path);
    return std::any_of(held.begin(), held.end(),
                       [&](const HeldFile& file) { return file.comparable == comparable; });
}

std::vector<fs::path> HeldFiles() {
    std::lock_guard lock(heldMutex);
    std::vector<fs::path> files;
    for (const HeldFile& file : held)
        files.push_back(file.given);
    return files;
}

void ReleaseHeldFiles() {
    std::lock_guard lock(heldMutex);
    held.clear();
}

} // namespace ferrox
