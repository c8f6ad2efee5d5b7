// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every test of the stores starts from an empty data folder and empty stores.

#include "base/app_globals.h"
#include "settings/config_table.h"
#include "settings/dpi_table.h"
#include "settings/profile_settings.h"
#include "settings/test_support.h"

#include <gtest/gtest.h>

namespace ferrox::test {

class SettingsStores : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        DataFolder = FreshFolder(std::string(info->test_suite_name()) + "." + info->name());
        ResetStores();
    }
    // As at the start of the program; the files stay.
    void ResetStores() {
        ConfigTable = {};
        SensorId = 0x3325;
        BuildDpiStepTable();
        for (int slot = 0; slot < ProfileCount; ++slot)
            ResetProfile(Profiles[slot], slot);
    }
    std::filesystem::path Config(const std::string& name) const { return ConfigFolder() / name; }
    std::string NoActions() const { return std::string(2688, '0'); }
    // The file bytes of a fixture written the way the program writes its files.
    std::string Unicode(const std::string& text) const { return kBom + Utf16le(text); }
    std::string DefaultProfileBytes() const {
        return Unicode(Fixture("default_profile_3325.txt", {{"NOACTIONS", NoActions()}}));
    }
};

// Byte comparison that reports where files differ instead of printing them whole.
inline ::testing::AssertionResult SameBytes(const std::string& actual,
                                            const std::string& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    auto around = [at](const std::string& s) {
        std::string piece;
        for (std::size_t i = at - std::min<std::size_t>(at, 40); i < std::min(s.size(), at + 40);
             ++i)
            if (s[i] != '\0')
                piece += s[i] == '\n' ? '|' : s[i];
        return piece;
    };
    return ::testing::AssertionFailure()
           << "sizes " << actual.size() << " and " << expected.size()
           << ", first difference at byte " << at << ": \"" << around(actual) << "\" instead of \""
           << around(expected) << "\"";
}

} // namespace ferrox::test
