// These run against the headless INI implementation natively and against the
// platform's own private-profile functions in the cross build, so both must agree.
#include <gtest/gtest.h>

#include "core/Config.h"
#include "core/CrackedINISection.h"
#include "platform/Profiles.h"
#include "tests/core/FileTestSupport.h"

namespace {

class ConfigStore : public testing::Test {
protected:
    TestFolder folder;
    String ini = folder.Name("store.ini");
};

TEST_F(ConfigStore, EmptyValueIsPresentAndAbsentKeyGivesTheDefault) {
    ASSERT_TRUE(WriteProfileText("Main", "Empty", "", ini));
    String value = "unchanged";
    EXPECT_TRUE(ReadProfileTextIfPresent("Main", "Empty", value, ini));
    EXPECT_EQ(value, "");
    value = "unchanged";
    EXPECT_FALSE(ReadProfileTextIfPresent("Main", "Missing", value, ini));
    EXPECT_EQ(value, "unchanged");
    EXPECT_FALSE(ReadProfileTextIfPresent("Other", "Empty", value, ini));
    EXPECT_FALSE(ReadProfileTextIfPresent("Main", "Empty", value, folder.Name("none.ini")));

    EXPECT_EQ(ReadProfileText("Main", "Missing", "fallback", ini), "fallback");
    EXPECT_EQ(ReadProfileText("Main", "Empty", "fallback", ini), "");
    EXPECT_EQ(ReadProfileText("Main", "", "fallback", ini), "fallback");
}

TEST_F(ConfigStore, NamesIgnoreCaseAndValuesLoseBlanksAndOneQuotePair) {
    ASSERT_EQ(File::WriteAll(ini,
                             "[Main]\r\n"
                             "  Padded =   two words  \r\n"
                             "Double=\"quoted\"\r\n"
                             "Single=' kept inside '\r\n"
                             "Mixed=\"mismatched'\r\n"
                             "Inner=a \"b\" c\r\n",
                             String::kToZero),
              kFileOk);
    EXPECT_EQ(ReadProfileText("MAIN", "padded", "", ini), "two words");
    EXPECT_EQ(ReadProfileText("main", "Double", "", ini), "quoted");
    EXPECT_EQ(ReadProfileText("Main", "Single", "", ini), " kept inside ");
    EXPECT_EQ(ReadProfileText("Main", "Mixed", "", ini), "\"mismatched'");
    EXPECT_EQ(ReadProfileText("Main", "Inner", "", ini), "a \"b\" c");
}

TEST_F(ConfigStore, LongValuesAreCutToTheReadArea) {
    String longValue;
    for (int32_t i = 0; i < 5000; i++) longValue.Append(char('a' + i % 26));
    ASSERT_TRUE(WriteProfileText("Main", "Long", longValue, ini));
    String read = ReadProfileText("Main", "Long", "", ini);
    EXPECT_EQ(read.Length(), kProfileReadArea - 1);
    EXPECT_TRUE(read == longValue.Left(kProfileReadArea - 1));
}

TEST_F(ConfigStore, WritesReplaceKeysAndDeleteKeysAndSections) {
    ASSERT_TRUE(WriteProfileText("One", "A", "1", ini));
    ASSERT_TRUE(WriteProfileText("One", "B", "2", ini));
    ASSERT_TRUE(WriteProfileText("Two", "A", "3", ini));
    ASSERT_TRUE(WriteProfileText("one", "a", "replaced", ini));
    EXPECT_EQ(ReadProfileText("One", "A", "", ini), "replaced");
    EXPECT_EQ(ReadProfileText("Two", "A", "", ini), "3");

    EXPECT_TRUE(DeleteProfileKey("One", "A", ini));
    EXPECT_EQ(ReadProfileText("One", "A", "gone", ini), "gone");
    EXPECT_EQ(ReadProfileText("One", "B", "", ini), "2");

    EXPECT_TRUE(DeleteProfileSection("One", ini));
    EXPECT_EQ(ReadProfileText("One", "B", "gone", ini), "gone");
    EXPECT_EQ(ReadProfileText("Two", "A", "", ini), "3");

    // Flushing the platform's cache leaves what was written.
    FlushProfileCache(ini);
    EXPECT_EQ(ReadProfileText("Two", "A", "", ini), "3");
}

TEST_F(ConfigStore, ListsSectionsAndKeys) {
    ASSERT_TRUE(WriteProfileText("First", "x", "1", ini));
    ASSERT_TRUE(WriteProfileText("Second", "y", "2", ini));
    ASSERT_TRUE(WriteProfileText("Second", "z", "3", ini));
    char area[64];
    int n = TheProfiles().ReadString(nullptr, nullptr, "", area, sizeof(area), ini.c_str());
    EXPECT_EQ(String(area, n), String("First\0Second\0", 13));
    n = TheProfiles().ReadString("second", nullptr, "", area, sizeof(area), ini.c_str());
    EXPECT_EQ(String(area, n), String("y\0z\0", 4));
    // A cut value still ends in a zero.
    n = TheProfiles().ReadString("First", "x", "", area, 1, ini.c_str());
    EXPECT_EQ(n, 0);
    EXPECT_EQ(area[0], 0);
}

TEST_F(ConfigStore, NumbersFlagsAndReals) {
    ASSERT_TRUE(WriteProfileNumber("N", "Negative", -42, ini));
    ASSERT_TRUE(WriteProfileFlag("N", "On", true, ini));
    ASSERT_TRUE(WriteProfileFlag("N", "Off", false, ini));
    ASSERT_TRUE(WriteProfileReal("N", "Third", 1.0 / 3.0, ini));
    ASSERT_TRUE(WriteProfileText("N", "Word", "yes", ini));
    EXPECT_EQ(ReadProfileText("N", "Negative", "", ini), "-42");
    EXPECT_EQ(ReadProfileNumber("N", "Negative", 0, ini), -42);
    EXPECT_EQ(ReadProfileNumber("N", "Word", 7, ini), 7);
    EXPECT_EQ(ReadProfileNumber("N", "Absent", 7, ini), 7);
    EXPECT_EQ(ReadProfileText("N", "On", "", ini), "1");
    EXPECT_TRUE(ReadProfileFlag("N", "On", false, ini));
    EXPECT_FALSE(ReadProfileFlag("N", "Off", true, ini));
    EXPECT_FALSE(ReadProfileFlag("N", "Word", true, ini));
    EXPECT_TRUE(ReadProfileFlag("N", "Absent", true, ini));
    EXPECT_EQ(ReadProfileReal("N", "Third", 0, ini), 1.0 / 3.0);
    EXPECT_EQ(ReadProfileReal("N", "Word", 2.5, ini), 2.5);
}

TEST_F(ConfigStore, EmptyFileNameMeansWinIni) {
    const char* section = "NivoraConfigTest";
    ASSERT_TRUE(WriteProfileText(section, "Key", "in win.ini", ""));
    EXPECT_EQ(ReadProfileText(section, "Key", "", ""), "in win.ini");
    EXPECT_EQ(ReadProfileText(section, "Key", "", "WIN.INI"), "in win.ini");
    EXPECT_TRUE(DeleteProfileSection(section, ""));
    EXPECT_EQ(ReadProfileText(section, "Key", "gone", ""), "gone");
}

TEST_F(ConfigStore, CrackedSectionReadsLikeSingleKeys) {
    ASSERT_EQ(File::WriteAll(ini,
                             "[Other]\r\nA=other\r\n"
                             "[Main]\r\n"
                             "Name = Some Value \r\n"
                             "Count=12\r\n"
                             "Flag=1\r\n"
                             "Quoted=\"q\"\r\n"
                             "; a comment=not a key\r\n"
                             "no equals sign\r\n"
                             "name=second spelling\r\n",
                             String::kToZero),
              kFileOk);
    CrackedINISection section;
    ASSERT_TRUE(section.Load("main", ini));
    EXPECT_EQ(section.Count(), 4);
    for (const char* key : {"Name", "Count", "Flag", "Quoted"}) {
        EXPECT_EQ(section.Text(key, "?"), ReadProfileText("Main", key, "!", ini)) << key;
    }
    EXPECT_EQ(section.Text("NAME", ""), "Some Value");
    EXPECT_EQ(section.Number("Count", 0), 12);
    EXPECT_TRUE(section.Flag("Flag", false));
    EXPECT_FALSE(section.Has("A"));
    EXPECT_EQ(section.Number("Missing", 5), 5);
    EXPECT_FALSE(section.Load("Absent", ini));

    CrackedINIFile file(ini);
    EXPECT_EQ(file.Section("Other").Text("a", ""), "other");
    EXPECT_EQ(file.Section("MAIN").Number("count", 0), 12);
    EXPECT_EQ(&file.Section("main"), &file.Section("Main"));
}

TEST(ConfigStoredForms, EscapingKeepsControlBytesAndBackslashesApart) {
    String text("line one\r\nline\ttwo \\ end");
    text.Append('\x01');
    String stored = EscapeSettingText(text);
    EXPECT_EQ(stored, "line one\\0D\\0Aline\\09two \\\\ end\\01");
    EXPECT_EQ(UnescapeSettingText(stored), text);
    // A backslash that starts no escape is read as it stands.
    EXPECT_EQ(UnescapeSettingText("C:\\Path\\x"), "C:\\Path\\x");
    EXPECT_EQ(UnescapeSettingText("end\\"), "end\\");
    String allBytes;
    for (int32_t c = 1; c < 256; c++) allBytes.Append(char(c));
    EXPECT_EQ(UnescapeSettingText(EscapeSettingText(allBytes)), allBytes);
}

TEST_F(ConfigStore, EscapedLineBreaksSurviveTheFile) {
    String text = "first\r\nsecond\\third";
    ASSERT_TRUE(WriteProfileText("E", "Multi", EscapeSettingText(text), ini));
    EXPECT_EQ(ReadProfileText("E", "Multi", "", ini), "first\\0D\\0Asecond\\\\third");
    EXPECT_EQ(UnescapeSettingText(ReadProfileText("E", "Multi", "", ini)), text);
}

TEST(ConfigStoredForms, RealsColoursAndPlacementsReadBack) {
    for (double value : {0.0, -2.5, 1.0 / 3.0, 1e300, 11.0}) {
        double read = 0;
        ASSERT_TRUE(TextToReal(RealToText(value), read));
        EXPECT_EQ(read, value);
    }
    EXPECT_EQ(RealToText(11.0), "11");
    EXPECT_EQ(RealToText(0.5), "0.5");

    EXPECT_EQ(ColourToText(0x00332211), "17,34,51");
    uint32_t colour = 0;
    EXPECT_TRUE(TextToColour("255, 0,128", colour));
    EXPECT_EQ(colour, 0x008000FFu);
    EXPECT_FALSE(TextToColour("256,0,0", colour));
    EXPECT_FALSE(TextToColour("1,2", colour));
    EXPECT_EQ(colour, 0x008000FFu);

    WindowPlacement placement{-8, 10, 1024, 768, WindowPlacement::kMaximized};
    WindowPlacement read;
    EXPECT_EQ(PlacementToText(placement), "-8,10,1024,768,2");
    EXPECT_TRUE(TextToPlacement(PlacementToText(placement), read));
    EXPECT_EQ(read, placement);
    EXPECT_FALSE(TextToPlacement("1,2,3,4,9", read));
    EXPECT_FALSE(TextToPlacement("1,2,3,4,0,5", read));
    EXPECT_EQ(read, placement);
}

}  // namespace
