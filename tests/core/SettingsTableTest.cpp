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

TEST_F(SettingsTable, IndexesThatOtherCodeNamesHoldTheirKeys) {
    EXPECT_EQ(FindSetting("SelectOnPaste"), 22);
    EXPECT_EQ(FindSetting("EditboxTextDragable"), 79);
    EXPECT_EQ(FindSetting("AutoIndent"), 102);
    EXPECT_EQ(FindSetting("SC_Language"), 103);
    EXPECT_EQ(FindSetting("TabDistanceFixed"), 111);
    EXPECT_EQ(FindSetting("TabDistanceVariable"), 112);
    EXPECT_EQ(FindSetting("CaretWidth"), 120);
    EXPECT_EQ(FindSetting("caretwidth"), 120);
    EXPECT_EQ(FindSetting("NoSuchKey"), -1);
    EXPECT_EQ(FindSetting(""), -1);
}

TEST_F(SettingsTable, EveryKeyOnceOnItsPageAndOnePageHeader) {
    struct Page {
        const char* section;
        std::set<std::string> keys;
    };
    const Page pages[] = {
        {"Controls\\Font", {"ControlFontFace", "ControlFontSize", "ControlFontBold",
                            "ControlFontItalics", "ControlFontCharset", "FixedControlFontFace",
                            "FixedControlFontBold", "FixedControlFontItalics", "Antialias2"}},
        {"Windows\\Caption", {"CaptionFontFace", "CaptionFontSize", "CaptionFontBold",
                              "CaptionFontItalics", "CaptionHeight", "MinimizeOnDClick",
                              "CaptionJustify", "LargeCaptionIcon"}},
        {"Windows\\Caption\\Buttons", {"ShowSizeButtons", "CaptionButtonWidth", "MaximizeToggled",
                                       "BA_Close", "BA_Minimize", "BA_Maximize", "BA_Unmaximize",
                                       "BA_Enlarge", "BA_Shrink"}},
        {"Windows\\Menu Bar", {"MenubarFontFace", "MenubarFontSize", "MenubarFontBold",
                               "MenubarFontItalics", "MenubarHeight", "MenubarJustify",
                               "MenubarDivider"}},
        {"Windows", {"DoubleBuffer", "SizableBorderThickness", "StaticBorderThickness",
                     "BlackWindowEdge", "BorderTypeSizable", "BorderTypeStatic"}},
        {"Windows\\Toolbar", {"ToolbarHeight", "IconBorderThickness", "BlackToolbarEdge",
                              "BlackToolbarIconEdge", "HQToolbarIcons", "ToolbarGap",
                              "ToolbarBorder", "ToolbarIconsTransparent"}},
        {"Balloon Help", {"BalloonHelpEnabled", "BalloonHelpSmall", "BalloonHelpHideOnMove",
                          "BalloonHelpCaptions", "UseBalloonTimeout", "BalloonTimeout",
                          "BalloonDelay"}},
        {"Controls\\Editboxes", {"SelectOnPaste", "EditboxTextDragable", "BA_Increment",
                                 "BA_Decrement", "AutoIndent", "TabDistanceFixed",
                                 "TabDistanceVariable", "CaretWidth"}},
        {"Controls", {"GapFactor", "BorderThickness", "BlackControlEdge", "EnhancedBorders",
                      "ControlIconQuality"}},
        {"Controls\\Buttons", {"BorderlessCheckboxes", "BorderlessRadios", "NoButtonIcons"}},
        {"Controls\\Scrollbars", {"ScrollbarBreadth", "BA_ScrollbarX1", "BA_ScrollbarX2",
                                  "BA_ScrollbarY1", "BA_ScrollbarY2", "BA_ScrollButtonX",
                                  "BA_ScrollButtonY", "ScrollButtonBT"}},
        {"Controls\\Comboboxes", {"CBIgnoreWheel", "BA_Dropdown_D", "BA_Dropdown_S",
                                  "HiliteStaticCombobox"}},
        {"Controls\\Tables", {"BA_SortAscending", "BA_SortDescending", "TableDividerWidth",
                              "TableDividerStyle"}},
        {"Controls\\Groupboxes", {"ControlBoxThickness", "BoxTextShadow", "BoxTextHilite"}},
        {"Skin\\Options", {"SeparateHot", "SeparateFocus", "SeparateButton", "SeparateCheckbox",
                           "SeparateDrawer", "SeparateEditbox", "SeparateListbox",
                           "SeparateRadio", "SeparateTable", "SeparateTree", "SeparateExit"}},
        {"Menus", {"HQMenuIcons", "MenuFontSize", "MenuFontFace", "BA_Submenu",
                   "DisableMenuIcons", "MenuGutter", "MenuBorderType", "BlackMenuEdge",
                   "MenuTextMarginY1", "MenuTextMarginY2", "MenuIconMargin"}},
        {"Networking\\SMTP", {"SMTP_Port", "SMTP_Server", "SMTP_UserName", "SMTP_Password",
                              "SMTP_Authenticated", "SMTP_POP3_Server", "SMTP_POP3_Port",
                              "SMTP_POP3_UserName", "SMTP_POP3_Password"}},
        {"Networking\\DNS", {"DNS_Address", "DNS_Port", "DNS_Timeout", "Use_OS_DNS",
                             "AutoDetectDNS"}},
        {"Sound", {"SoundEnabled", "SoundDisableMW"}},
        {"Printer", {"UsePrinterFonts"}},
        {"Spell Checker", {"SC_Language"}},
    };
    std::set<std::string> seen;
    int32_t headers = 0;
    for (int32_t i = 0; i < kSettingCount; i++) {
        const Corvane_Setting& setting = FrameworkSetting(i);
        ASSERT_NE(setting.label, nullptr) << i;
        ASSERT_NE(setting.section, nullptr) << i;
        ASSERT_NE(setting.layout, nullptr) << i;
        if (!setting.key) {
            headers++;
            EXPECT_STREQ(setting.section, "Windows");
            EXPECT_TRUE(setting.flags & kSettingPageHeader);
            continue;
        }
        EXPECT_TRUE(seen.insert(setting.key).second) << setting.key << " twice";
        bool onItsPage = false;
        for (const Page& page : pages) {
            if (page.keys.count(setting.key)) {
                EXPECT_STREQ(setting.section, page.section) << setting.key;
                onItsPage = true;
            }
        }
        EXPECT_TRUE(onItsPage) << setting.key << " is on no page";
    }
    EXPECT_EQ(headers, 1);
    EXPECT_EQ(seen.size(), size_t(kSettingCount - 1));
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

TEST_F(SettingsTable, TellingRowsCarryTheirLabelsAndDefaults) {
    struct Row {
        int32_t index;
        const char* label;
    };
    for (Row row : {Row{kSetControlFontFace, "Control Font Face"},
                    Row{kSetControlFontSize, "Control Font Size"},
                    Row{kSetFixedControlFontFace, "Fixed Control Font Face"},
                    Row{kSetCaptionHeight, "Caption Height"},
                    Row{kSetSelectOnPaste, "Select After Paste"},
                    Row{kSetEditboxTextDragable, "Editbox Drag and Drop"},
                    Row{kSetAutoIndent, "Auto-Indent"},
                    Row{kSetTabDistanceFixed, "Tab Distance - Fixed Pitch"},
                    Row{kSetTabDistanceVariable, "Tab Distance - Variable pitch"},
                    Row{kSetCaretWidth, "Caret Width"},
                    Row{kSetDoubleBuffer, "Double Buffering"},
                    Row{kSetSMTP_Port, "SMTP Port"},
                    Row{kSetSMTP_POP3_Port, "SMTP POP3 Port"},
                    Row{kSetSMTP_Password, "SMTP Password"},
                    Row{kSetDNS_Port, "DNS Port"},
                    Row{kSetDNS_Timeout, "DNS Timeout"},
                    Row{kSetBalloonTimeout, "Balloon Timeout"},
                    Row{kSetBalloonDelay, "Balloon Delay"},
                    Row{kSetAntialias2, "Anti-Alias"},
                    Row{kSetSC_Language, "Spell Checker Language"}}) {
        EXPECT_STREQ(FrameworkSetting(row.index).label, row.label) << row.index;
    }
    EXPECT_EQ(SettingText(kSetControlFontFace), "Arial");
    EXPECT_EQ(SettingReal(kSetControlFontSize), 11.0);
    EXPECT_EQ(SettingText(kSetFixedControlFontFace), "Courier New");
    EXPECT_EQ(SettingNumber(kSetCaptionHeight), 50);
    EXPECT_FALSE(SettingFlag(kSetSelectOnPaste));
    EXPECT_TRUE(SettingFlag(kSetEditboxTextDragable));
    EXPECT_EQ(SettingNumber(kSetAutoIndent), 1);
    EXPECT_EQ(SettingNumber(kSetTabDistanceFixed), 8);
    EXPECT_EQ(SettingReal(kSetTabDistanceVariable), 1.0);
    EXPECT_EQ(SettingNumber(kSetCaretWidth), 2);
    EXPECT_TRUE(SettingFlag(kSetDoubleBuffer));
    EXPECT_EQ(SettingNumber(kSetSMTP_Port), 25);
    EXPECT_EQ(SettingNumber(kSetSMTP_POP3_Port), 110);
    EXPECT_EQ(SettingText(kSetSMTP_Password), "");
    EXPECT_EQ(SettingNumber(kSetDNS_Port), 53);
    EXPECT_EQ(SettingNumber(kSetDNS_Timeout), 30);
    EXPECT_EQ(SettingNumber(kSetBalloonTimeout), 15);
    EXPECT_EQ(SettingNumber(kSetBalloonDelay), 200);
    EXPECT_EQ(SettingNumber(kSetAntialias2), 5);
    EXPECT_EQ(SettingNumber(kSetSC_Language), 1);

    const Corvane_Setting& size = FrameworkSetting(kSetControlFontSize);
    EXPECT_TRUE(size.flags & kSettingRanged);
    EXPECT_EQ(size.minimum.ToReal(), 3.0);
    EXPECT_EQ(size.maximum.ToReal(), 50.0);
    for (int32_t secret : {kSetSMTP_Password, kSetSMTP_POP3_Password}) {
        EXPECT_TRUE(FrameworkSetting(secret).flags & kSettingEnciphered);
    }
    EXPECT_FALSE(FrameworkSetting(kSetSMTP_UserName).flags & kSettingEnciphered);
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
