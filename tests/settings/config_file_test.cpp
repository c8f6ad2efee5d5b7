#include "settings/config_file.h"
#include "settings/profile_file.h"
#include "settings/settings_fixture.h"

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::Utf16le;
using test::WriteBytes;

class ConfigFileTest : public test::SettingsStores {
protected:
    std::string DefaultConfigBytes() const {
        return Unicode(test::Fixture("config_first_run.txt", {{"DATA", DataFolder.string()}}));
    }
    void WriteConfigText(const std::string& text) {
        fs::create_directories(ConfigFolder());
        WriteBytes(Config("config.ini"), Unicode(text));
    }
    std::string ValidConfigText(const std::string& current = "0") const {
        std::string text = "[Setting]\nNeedPassword=0\nSensor=0x3325\nPreST=0xCCDA\n"
                           "Mac_ID=0xFFFFFFFF\nDataChange=0x1234\nCurrentProfile=" +
                           current + "\nProfileShowCount=4\n";
        for (int i = 0; i < 5; ++i)
            text += "ProfileShowList" + std::to_string(i) + "=" + std::to_string(i) + "\n";
        for (int i = 0; i < 5; ++i)
            text += "ProfileSlot" + std::to_string(i) +
                    "URL=" + (ConfigFolder() / ("p" + std::to_string(i) + ".psf")).string() + "\n";
        return text;
    }
};

TEST_F(ConfigFileTest, FirstRunWritesTheDefaultFiles) {
    EXPECT_FALSE(LoadConfig());
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini")), DefaultConfigBytes()));
    for (int slot = 0; slot < ProfileCount; ++slot)
        EXPECT_TRUE(test::SameBytes(ReadBytes(Config("default" + std::to_string(slot) + ".psf")),
                                    DefaultProfileBytes()))
            << slot;
    // A second start reads what the first wrote and changes nothing.
    ConfigTable = {};
    EXPECT_TRUE(LoadConfig());
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini")), DefaultConfigBytes()));
    EXPECT_EQ(std::distance(fs::directory_iterator(ConfigFolder()), fs::directory_iterator()), 6);
}

TEST_F(ConfigFileTest, MalformedFilesFallBackToDefaults) {
    const std::string valid = ValidConfigText();
    std::string eighteen = valid + "Extra=1\n";
    std::string emptyValue = valid;
    emptyValue.replace(emptyValue.find("CurrentProfile=0"), 16, "CurrentProfile=");
    std::string crlf;
    for (char c : valid)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"wrong header", Unicode("[Settings]\n" + valid.substr(10))},
        {"empty value", Unicode(emptyValue)},
        {"equals first", Unicode("[Setting]\n=1\n")},
        {"no equals", Unicode("[Setting]\nNeedPassword\n")},
        {"eighteen pairs", Unicode(eighteen)},
        {"crlf line ends", Unicode(crlf)},
        {"empty file", ""},
        {"binary", std::string("\x00\x01\xFF\xFE\x3D\x00\x0A\x00\xD8\x00", 10)},
        {"huge", Unicode("[Setting]\nNeedPassword=" + std::string(1 << 20, '1') + "\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetStores();
        fs::create_directories(ConfigFolder());
        WriteBytes(Config("config.ini"), c.bytes);
        EXPECT_FALSE(LoadConfig());
        EXPECT_EQ(ConfigValue(ConfigKey::ProfileShowCount), L"3");
        EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini")), DefaultConfigBytes()));
        EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini.damaged")), c.bytes));
    }
}

TEST_F(ConfigFileTest, ValidFilesAreTakenByPosition) {
    // Fewer lines: the pairs not read stay empty and are written back that way.
    WriteConfigText("[Setting]\nNeedPassword=0\nSensor=0x3325\nPreST=0xCCDA\n");
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(ConfigValue(ConfigKey::NeedPassword), L"0");
    EXPECT_EQ(ConfigTable[ConfigKey::CurrentProfile].key, L"");
    ASSERT_TRUE(SaveConfig());
    EXPECT_TRUE(test::SameBytes(
        ReadBytes(Config("config.ini")),
        Unicode("[Setting]\nNeedPassword=0\nSensor=0x3325\nPreST=0xCCDA\n=\n=\n=0\n=\n=\n=\n"
                "=\n=\n=\n=\n=\n=\n=\n=\n")));

    // Another order keeps it: keys travel with their line.
    ResetStores();
    WriteConfigText("[Setting]\nSensor=0x3325\nNeedPassword=0\nPreST=0xCCDA\n");
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(ConfigTable[0].key, L"Sensor");
    EXPECT_EQ(ConfigTable[0].value, L"0x3325");
}

TEST_F(ConfigFileTest, InvalidConfigurationKeepsReadableProfiles) {
    fs::create_directories(ConfigFolder());
    ResetProfile(Profiles[1], 1);
    SetProfileValue(Profiles[1], ProfileKey::ProfileName, L"Mine");
    Profiles[1].keys[2].function = {0x70, 0x01, 0x06};
    FillConfigDefaults();
    ASSERT_TRUE(WriteProfileFile(1, ProfileSlotPath(1)));
    const std::string mine = ReadBytes(Config("default1.psf"));
    WriteBytes(Config("config.ini"), Unicode("[Setting]\r\n"));

    ResetStores();
    EXPECT_FALSE(LoadConfig());
    EXPECT_EQ(ProfileValue(Profiles[1], ProfileKey::ProfileName), L"Mine");
    EXPECT_EQ(Profiles[1].keys[2].function, (ButtonFunction{0x70, 0x01, 0x06}));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("default1.psf")), mine));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("default0.psf")), DefaultProfileBytes()));
}

TEST_F(ConfigFileTest, DamagedProfileIsResetAndKeptAside) {
    WriteConfigText(ValidConfigText());
    ResetProfile(Profiles[0], 0);
    ASSERT_TRUE(WriteProfileFile(0, Config("p0.psf")));
    const std::string damaged = Unicode("[Setting]\nProfileName=half");
    WriteBytes(Config("p2.psf"), damaged);

    ResetStores();
    EXPECT_TRUE(LoadConfig());
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("p2.psf")), DefaultProfileBytes()));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("p2.psf.damaged")), damaged));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("p0.psf")), DefaultProfileBytes()));
}

TEST_F(ConfigFileTest, SensorCheckResetsDpiLevelsAndKeepsTheCurrentSlot) {
    std::string text = ValidConfigText("2");
    text.replace(text.find("Sensor=0x3325"), 13, "Sensor=0x3360");
    WriteConfigText(text);
    for (int slot = 0; slot < ProfileCount; ++slot) {
        Profiles[slot].dpiStep.fill(5);
        Profiles[slot].keys[0].name = L"kept";
    }
    FillConfigDefaults();
    for (int slot = 0; slot < ProfileCount; ++slot)
        ASSERT_TRUE(WriteProfileFile(slot, Config("p" + std::to_string(slot) + ".psf")));

    ResetStores();
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(SensorId, 0x3360);
    EXPECT_EQ(ConfigValue(ConfigKey::PreST), L"0xCC9F");
    EXPECT_EQ(CurrentSlot(), 2);
    const std::string written = ReadBytes(Config("config.ini"));
    EXPECT_NE(written.find(Utf16le("PreST=0xCC9F\n")), std::string::npos);
    EXPECT_NE(written.find(Utf16le("CurrentProfile=2\n")), std::string::npos);
    ProfileSettings reread;
    ASSERT_TRUE(LoadProfileFile(Config("p4.psf"), reread));
    EXPECT_EQ(reread.dpiStep, (std::array<std::uint16_t, 8>{3, 7, 15, 31, 49, 59, 59, 59}));
    EXPECT_EQ(reread.keys[0].name, L"kept");
}

TEST_F(ConfigFileTest, DamagedProfileGetsTheConfiguredSensorsLevels) {
    std::string text = ValidConfigText();
    text.replace(text.find("Sensor=0x3325\nPreST=0xCCDA"), 26, "Sensor=0x3370\nPreST=0xCC8F");
    WriteConfigText(text);
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(Profiles[3].dpiStep,
              (std::array<std::uint16_t, 8>{7, 15, 31, 63, 99, 119, 119, 119}));
}

} // namespace
} // namespace ferrox
