#include "base/damaged_file.h"

#include <system_error>

namespace ferrox {

namespace fs = std::filesystem;

bool KeepDamagedFile(const fs::path& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec))
        return false;
    const fs::path contents = fs::canonical(path, ec);
    if (ec)
        return false;
    fs::path kept = path;
    kept += ".damaged";
    fs::remove(kept, ec);
    fs::create_hard_link(contents, kept, ec);
    if (ec)
        fs::copy_file(contents, kept, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

} // namespace ferrox
