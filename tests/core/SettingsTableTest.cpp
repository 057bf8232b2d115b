#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/Cipher.h"
#include "core/Config.h"
#include "core/Settings.h"
#include "tests/core/FileTestSupport.h"

namespace {

class SettingsTable : public testing::Test {
protected:
    void SetUp() override { RegisterFrameworkSettings(); }
    void TearDown() override { RegisterFrameworkSettings(); }
    TestFolder folder;
    String ini = folder.Name("corvane.ini");
};

// Every row is complete, each key names its own row (in any case) and appears once, and the
// only keyless row is the one page header.
TEST_F(SettingsTable, EveryKeyFindsItsOwnRowOnce) {
    std::set<std::string> seen;
    int32_t headers = 0;
    for (int32_t i = 0; i < kSettingCount; i++) {
        const Corvane_Setting& setting = FrameworkSetting(i);
        ASSERT_NE(setting.label, nullptr) << i;
        ASSERT_NE(setting.section, nullptr) << i;
        ASSERT_NE(setting.layout, nullptr) << i;
        if (!setting.key) {
            headers++;
            EXPECT_TRUE(setting.flags & kSettingPageHeader);
            continue;
        }
        EXPECT_TRUE(seen.insert(setting.key).second) << setting.key << " twice";
        EXPECT_EQ(FindSetting(setting.key), i) << setting.key;
        String lower = setting.key;
        lower.ToLower();
        EXPECT_EQ(FindSetting(lower.c_str()), i) << setting.key;
        if (std::string(setting.key).find("Password") != std::string::npos) {
            EXPECT_TRUE(setting.flags & kSettingEnciphered) << setting.key;
        }
    }
    EXPECT_EQ(headers, 1);
    EXPECT_EQ(FindSetting("NoSuchKey"), -1);
    EXPECT_EQ(FindSetting(""), -1);
}

TEST_F(SettingsTable, LayoutTextsAreWellFormed) {
    for (int32_t i = 0; i < kSettingCount; i++) {
        String layout = FrameworkSetting(i).layout;
        int32_t braces = 0, quotes = 0;
        for (int32_t at = 0; at < layout.Length(); at++) {
            char c = layout[at];
            if (c == '\'') quotes++;
            if (quotes % 2) continue;
            if (c == '{') braces++;
            if (c == '}') braces--;
            EXPECT_GE(braces, 0) << i;
            EXPECT_LE(braces, 1) << i;
        }
        EXPECT_EQ(braces, 0) << i << " " << layout.c_str();
        EXPECT_EQ(quotes % 2, 0) << i << " " << layout.c_str();
    }
}

TEST_F(SettingsTable, MissingFileLeavesEveryDefault) {
    String before[kSettingCount];
    for (int32_t i = 0; i < kSettingCount; i++) before[i] = FrameworkSetting(i).value.ToText();
    LoadFrameworkSettings(folder.Name("absent.ini"));
    for (int32_t i = 0; i < kSettingCount; i++) {
        EXPECT_EQ(FrameworkSetting(i).value.ToText(), before[i]) << i;
    }
}

TEST_F(SettingsTable, LoadTakesPresentKeysInTheirTypesAndRanges) {
    ASSERT_EQ(File::WriteAll(ini,
                             "[Corvane]\r\n"
                             "CaretWidth=5\r\n"
                             "SelectOnPaste=1\r\n"
                             "DoubleBuffer=yes\r\n"
                             "ControlFontFace=Verdana\r\n"
                             "ControlFontSize=200\r\n"
                             "TabDistanceVariable=0.25\r\n"
                             "DNS_Port=lots\r\n"
                             "SMTP_Password=typed\r\n"
                             "[Other]\r\nCaretWidth=9\r\n",
                             String::kToZero),
              kFileOk);
    LoadFrameworkSettings(ini);
    EXPECT_EQ(SettingNumber(kSetCaretWidth), 5);
    EXPECT_EQ(FrameworkSetting(kSetCaretWidth).value.Type(), kVarInteger);
    EXPECT_TRUE(SettingFlag(kSetSelectOnPaste));
    EXPECT_FALSE(SettingFlag(kSetDoubleBuffer));  // only "1" is on
    EXPECT_EQ(SettingText(kSetControlFontFace), "Verdana");
    EXPECT_EQ(SettingReal(kSetControlFontSize), 50.0);
    EXPECT_EQ(SettingReal(kSetTabDistanceVariable), 0.5);
    EXPECT_EQ(SettingNumber(kSetDNS_Port), 53);
    EXPECT_EQ(SettingText(kSetSMTP_Password), "typed");
}

TEST_F(SettingsTable, SavedPasswordsNeverAppearInClear) {
    FrameworkSetting(kSetSMTP_Password).value = Var::Text("hunter2 secret");
    FrameworkSetting(kSetSMTP_Server).value = Var::Text("mail.example.org");
    FrameworkSetting(kSetCaretWidth).value = Var::Integer(7);
    FrameworkSetting(kSetTabDistanceVariable).value = Var::Rational(2.5);
    FrameworkSetting(kSetEditboxTextDragable).value = Var::Boolean(false);
    ASSERT_TRUE(SaveFrameworkSettings(ini));
    String text = ReadBack(ini);
    EXPECT_LT(text.Find("hunter2"), 0);
    EXPECT_GE(text.Find("mail.example.org"), 0);
    EXPECT_TRUE(IsEnciphered(ReadProfileText(kSettingsSection, "SMTP_Password", "", ini)));
    EXPECT_EQ(ReadProfileText(kSettingsSection, "EditboxTextDragable", "", ini), "0");
    EXPECT_EQ(ReadProfileText(kSettingsSection, "TabDistanceVariable", "", ini), "2.5");

    RegisterFrameworkSettings();
    EXPECT_EQ(SettingText(kSetSMTP_Password), "");
    LoadFrameworkSettings(ini);
    EXPECT_EQ(SettingText(kSetSMTP_Password), "hunter2 secret");
    EXPECT_EQ(SettingText(kSetSMTP_Server), "mail.example.org");
    EXPECT_EQ(SettingNumber(kSetCaretWidth), 7);
    EXPECT_EQ(SettingReal(kSetTabDistanceVariable), 2.5);
    EXPECT_FALSE(SettingFlag(kSetEditboxTextDragable));
}

TEST_F(SettingsTable, SaveOneWritesOnlyThatKey) {
    FrameworkSetting(kSetBalloonDelay).value = Var::Integer(300);
    ASSERT_TRUE(SaveFrameworkSetting(kSetBalloonDelay, ini));
    EXPECT_EQ(ReadProfileText(kSettingsSection, "BalloonDelay", "", ini), "300");
    String value;
    EXPECT_FALSE(ReadProfileTextIfPresent(kSettingsSection, "CaretWidth", value, ini));
    EXPECT_TRUE(SaveFrameworkSetting(kSetWindowsHeader, ini));
}

TEST_F(SettingsTable, EscapedTextSettingStoresLineBreaksAsHex) {
    const Corvane_Setting& server = FrameworkSetting(kSetSMTP_Server);
    RegisterSetting(kSetSMTP_Server, server.key, server.label, Var::Text("a\r\nb"), server.section,
                    server.layout, kSettingEscaped);
    ASSERT_TRUE(SaveFrameworkSetting(kSetSMTP_Server, ini));
    EXPECT_EQ(ReadProfileText(kSettingsSection, "SMTP_Server", "", ini), "a\\0D\\0Ab");
    FrameworkSetting(kSetSMTP_Server).value = Var::Text("");
    LoadFrameworkSettings(ini);
    EXPECT_EQ(SettingText(kSetSMTP_Server), "a\r\nb");
}

TEST(SettingsTableDeathTest, IndexOutsideTheTableIsFatal) {
    EXPECT_EXIT(FrameworkSetting(kSettingCount), testing::ExitedWithCode(1), "Internal Fatal Error");
}

}  // namespace
