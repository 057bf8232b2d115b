#include <gtest/gtest.h>

#include "core/ConfigExchange.h"
#include "platform/headless/HeadlessFolders.h"
#include "platform/headless/HeadlessRegistry.h"
#include "tests/core/FileTestSupport.h"

namespace {

struct Options {
    bool shown = true;
    int32_t count = 3;
    double ratio = 0.25;
    String name = "default";
    String note = "a\r\nb";
    uint32_t colour = 0x00FF8000;
    Array<String> history;
    WindowPlacement placement{1, 2, 3, 4, WindowPlacement::kNormal};

    void Exchange(SettingsExchange& x) {
        x.Flag("Shown", shown);
        x.Number("Count", count);
        x.Real("Ratio", ratio);
        x.Text("Name", name);
        x.Text("Note", note, true);
        x.Colour("Colour", colour);
        x.TextList("History", history);
        x.Placement("Window", placement);
    }
};

TEST(SettingsExchange, LoadKeepsValuesWhoseKeysAreAbsent) {
    TestFolder folder;
    String ini = folder.Name("x.ini");
    Options options;
    options.history.Append("kept");
    SettingsExchange load("Nivora", SettingsExchange::kLoad, ini);
    options.Exchange(load);
    EXPECT_TRUE(options.shown);
    EXPECT_EQ(options.count, 3);
    EXPECT_EQ(options.name, "default");
    EXPECT_EQ(options.history.Count(), 1);
    EXPECT_EQ(options.colour, 0x00FF8000u);
}

TEST(SettingsExchange, SaveThenLoadGivesEveryValueBack) {
    TestFolder folder;
    String ini = folder.Name("x.ini");
    Options saved;
    saved.shown = false;
    saved.count = -7;
    saved.ratio = 1.0 / 3.0;
    saved.name = "Some name";
    saved.note = "two\r\nlines \\ and a tab\t";
    saved.colour = 0x00010203;
    saved.history.Append("C:\\docs\\a,b.txt");
    saved.history.Append("");
    saved.history.Append("plain");
    saved.placement = {-4, -4, 1284, 1028, WindowPlacement::kMaximized};
    SettingsExchange save("Nivora", SettingsExchange::kSave, ini);
    saved.Exchange(save);

    Options loaded;
    SettingsExchange load("Nivora", SettingsExchange::kLoad, ini);
    loaded.Exchange(load);
    EXPECT_EQ(loaded.shown, saved.shown);
    EXPECT_EQ(loaded.count, saved.count);
    EXPECT_EQ(loaded.ratio, saved.ratio);
    EXPECT_EQ(loaded.name, saved.name);
    EXPECT_EQ(loaded.note, saved.note);
    EXPECT_EQ(loaded.colour, saved.colour);
    ASSERT_EQ(loaded.history.Count(), 3);
    for (int32_t i = 0; i < 3; i++) EXPECT_EQ(loaded.history[i], saved.history[i]);
    EXPECT_EQ(loaded.placement, saved.placement);

    // The stored forms are one line each.
    EXPECT_EQ(ReadProfileText("Nivora", "Shown", "", ini), "0");
    EXPECT_EQ(ReadProfileText("Nivora", "History", "", ini), "C:\\\\docs\\\\a\\2Cb.txt,,plain");
    EXPECT_EQ(ReadProfileText("Nivora", "Colour", "", ini), "3,2,1");
}

TEST(SettingsExchange, DamagedValuesLeaveTheVariableAlone) {
    TestFolder folder;
    String ini = folder.Name("x.ini");
    WriteProfileText("S", "Count", "many", ini);
    WriteProfileText("S", "Colour", "red", ini);
    WriteProfileText("S", "Window", "1,2", ini);
    Options options;
    SettingsExchange load("S", SettingsExchange::kLoad, ini);
    options.Exchange(load);
    EXPECT_EQ(options.count, 3);
    EXPECT_EQ(options.colour, 0x00FF8000u);
    EXPECT_EQ(options.placement, (WindowPlacement{1, 2, 3, 4, WindowPlacement::kNormal}));
}

TEST(SettingsExchange, SectionPathsNestWithTheSeparator) {
    TestFolder folder;
    String ini = folder.Name("x.ini");
    SettingsExchange x("Nivora", SettingsExchange::kSave, ini);
    x.Enter("Search");
    EXPECT_EQ(x.section, "Nivora\\Search");
    int32_t depth = 4;
    x.Number("Depth", depth);
    x.Leave();
    EXPECT_EQ(x.section, "Nivora");
    x.Leave();
    EXPECT_EQ(x.section, "");
    EXPECT_EQ(ReadProfileNumber("Nivora\\Search", "Depth", 0, ini), 4);
}

TEST(SettingsExchange, DefaultFileIsGlobalsIni) {
    SettingsExchange x("Nivora", SettingsExchange::kLoad);
    EXPECT_EQ(x.file, GlobalsIniPath());
    EXPECT_EQ(x.separator, '\\');
}

// The folder lookup falls back from the shell to the registry to the program files
// folder; only the test host can take the earlier answers away.
TEST(ConfigFolder, CommonFilesFromShellRegistryOrProgramFiles) {
    HeadlessFolders& host = TheHeadlessFolders();
    char sep = TheFileSystem().PathSeparator();
    if (!host.InUse()) {
        ComputeConfigFolder();
        String folder = CorvaneFolder();
        EXPECT_EQ(folder.Right(8), String() + sep + "Corvane");
        EXPECT_EQ(CorvaneIniPath(), folder + sep + "corvane.ini");
        EXPECT_EQ(GlobalsIniPath(), folder + sep + "globals.ini");
        EXPECT_EQ(TexturesFolder(), folder + sep + "Textures");
        EXPECT_NE(TheFileSystem().Attributes(folder), -1);
        return;
    }
    TestFolder base;
    String shell = base.Path() + sep + "Shell Common";
    host.commonProgramFiles = shell;
    ComputeConfigFolder();
    EXPECT_EQ(CorvaneFolder(), shell + sep + "Corvane");
    EXPECT_EQ(CorvaneIniPath(), shell + sep + "Corvane" + sep + "corvane.ini");
    EXPECT_EQ(GlobalsIniPath(), shell + sep + "Corvane" + sep + "globals.ini");
    EXPECT_EQ(TexturesFolder(), shell + sep + "Corvane" + sep + "Textures");
    EXPECT_TRUE(TheFileSystem().Attributes(CorvaneFolder()) & FileSystem::kAttributeDirectory);

    host.hideCommonProgramFiles = true;
    String fromRegistry = base.Path() + sep + "Registry Common";
    TheHeadlessRegistry().SetText(RegistryRoot::kLocalMachine,
                                  "Software\\Microsoft\\Windows\\CurrentVersion",
                                  "CommonFilesDir", fromRegistry);
    ComputeConfigFolder();
    EXPECT_EQ(CorvaneFolder(), fromRegistry + sep + "Corvane");

    TheHeadlessRegistry().Clear();
    host.programFiles = base.Path() + sep + "Programs";
    ComputeConfigFolder();
    EXPECT_EQ(CorvaneFolder(), host.programFiles + sep + "Common Files" + sep + "Corvane");

    host.Reset();
    ComputeConfigFolder();
}

}  // namespace
