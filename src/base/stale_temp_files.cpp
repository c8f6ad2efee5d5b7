// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/stale_temp_files.h"

#include "base/regular_file.h"

#include <cerrno>
#include <charconv>
#include <optional>
#include <signal.h>
#include <string>
#include <sys/types.h>

namespace ferrox {

namespace {

namespace fs = std::filesystem;

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id of a name ".<name>.tmp<pid>-<n>", or nothing for any other name.
std::optional<pid_t> TempFileOwner(std::string_view name) {
    if (!name.starts_with('.'))
        return std::nullopt;
    const std::size_t tmp = name.rfind(".tmp");
    const std::size_t dash = name.rfind('-');
    if (tmp == std::string_view::npos || tmp == 0 || dash == std::string_view::npos || dash < tmp)
        return std::nullopt;
    const std::string_view pid = name.substr(tmp + 4, dash - tmp - 4);
    if (!AllDigits(pid) || !AllDigits(name.substr(dash + 1)))
        return std::nullopt;
    pid_t owner = 0;
    const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), owner);
    if (error != std::errc() || end != pid.data() + pid.size() || owner <= 0)
        return std::nullopt;
    return owner;
}

// Only a clear "no such process" counts: a process of another user answers EPERM.
bool ProcessIsGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

int RemoveStaleTempFiles(const fs::path& folder) {
    std::error_code ec;
    int removed = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<pid_t> owner = TempFileOwner(it->path().filename().string());
        std::error_code kind;
        if (!owner || it->symlink_status(kind).type() != fs::file_type::regular ||
            !ProcessIsGone(*owner))
            continue;
        std::error_code gone;
        if (fs::remove(it->path(), gone))
            ++removed;
    }
    return removed;
}

int RemoveStaleTempFilesBeside(const fs::path& file) {
    const fs::path folder = FollowLinks(file).file.parent_path();
    return RemoveStaleTempFiles(folder.empty() ? fs::path(".") : folder);
}

} // namespace ferrox
