#include "settings/profile_file.h"

#include "settings/config_table.h"
#include "settings/text_lines.h"

#include <system_error>

namespace ferrox {

namespace {

// A default profile is about 45 KB; a file hundreds of times that is not a profile.
constexpr std::uintmax_t MaxProfileBytes = 16u << 20;

bool IsSlot(int slot) {
    return slot >= 0 && slot < ProfileCount;
}

// The reset that follows an unreadable file would write over it: what was there is kept
// beside it, so a file damaged by hand can still be repaired.
void KeepDamagedFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!path.empty() && std::filesystem::is_regular_file(path, ec)) {
        std::filesystem::path kept = path;
        kept += ".damaged";
        std::filesystem::copy_file(path, kept, std::filesystem::copy_options::overwrite_existing,
                                   ec);
    }
}

} // namespace

bool LoadProfileFile(const std::filesystem::path& path, ProfileSettings& profile) {
    auto lines = ReadTextLines(path, MaxProfileBytes, ProfileFileLineCount);
    return lines && ParseProfileLines(*lines, profile);
}

bool WriteProfileFile(int slot, const std::filesystem::path& path) {
    return IsSlot(slot) && !path.empty() &&
           WriteTextLines(path, FormatProfileLines(Profiles[slot]));
}

bool ReadProfileFile(int slot, const std::filesystem::path& path) {
    if (!IsSlot(slot))
        return false;
    if (!path.empty() && LoadProfileFile(path, Profiles[slot]))
        return true;
    ResetProfile(Profiles[slot], static_cast<unsigned>(slot));
    std::filesystem::path own = ProfileSlotPath(slot);
    KeepDamagedFile(own);
    WriteProfileFile(slot, own);
    return false;
}

bool SaveAllProfiles() {
    bool all = true;
    for (int slot = 0; slot < ProfileCount; ++slot)
        all = WriteProfileFile(slot, ProfileSlotPath(slot)) && all;
    return all;
}

} // namespace ferrox
