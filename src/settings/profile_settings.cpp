// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profile_settings.h"

#include <cerrno>
#include <climits>
#include <cwchar>

namespace ferrox {

namespace {
const std::wstring EmptyText;
bool IsPair(int pair) {
    return pair >= 0 && pair < ProfileKeyCount;
}
} // namespace

KeySlot* KeySlotAt(ProfileSettings& profile, unsigned index) {
    return index < KeySlotCount ? &profile.keys[index] : nullptr;
}

const KeySlot* KeySlotAt(const ProfileSettings& profile, unsigned index) {
    return index < KeySlotCount ? &profile.keys[index] : nullptr;
}

const std::wstring& ProfileKeyName(const ProfileSettings& profile, int pair) {
    return IsPair(pair) ? profile.profileKeys[pair].key : EmptyText;
}

const std::wstring& ProfileValue(const ProfileSettings& profile, int pair) {
    return IsPair(pair) ? profile.profileKeys[pair].value : EmptyText;
}

bool SetProfileValue(ProfileSettings& profile, int pair, const std::wstring& value) {
    if (!IsPair(pair))
        return false;
    profile.profileKeys[pair].value = value;
    return true;
}

long ProfileNumber(const ProfileSettings& profile, int pair) {
    return ParseDecimal(ProfileValue(profile, pair));
}

void SetProfileNumber(ProfileSettings& profile, int pair, long value) {
    SetProfileValue(profile, pair, std::to_wstring(value));
}

std::uint8_t LiftDetectionHeightCode(const ProfileSettings& profile) {
    return ProfileNumber(profile, ProfileKey::LiftDetectionHeight) == 1 ? 1 : 2;
}

long ParseDecimal(const std::wstring& text) {
    errno = 0;
    long value = std::wcstol(text.c_str(), nullptr, 10);
    return errno == ERANGE ? 0 : value;
}

} // namespace ferrox
