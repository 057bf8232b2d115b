#include <gtest/gtest.h>

#include "app/FrameworkSettings.h"
#include "core/Config.h"
#include "core/Settings.h"
#include "editbox/EditboxTestSupport.h"
#include "platform/Sound.h"
#include "platform/headless/HeadlessFolders.h"
#include "tests/core/FileTestSupport.h"

namespace {

class FrameworkSettingsTest : public EditboxTest {
protected:
    void SetUp() override {
        EditboxTest::SetUp();
        soundWas_ = IsSoundEnabled();
    }
    void TearDown() override {
        RegisterFrameworkSettings();
        SetSoundEnabled(soundWas_);
        if (TheHeadlessFolders().InUse()) TheHeadlessFolders().Reset();
        ComputeConfigFolder();
        EditboxTest::TearDown();
    }

    static void Store(const char* key, const char* value) {
        ASSERT_TRUE(WriteProfileText(kSettingsSection, key, value, CorvaneIniPath()));
    }

    // Enter at the end of an indented line in a fresh box; returns what it then holds.
    std::string AfterEnter() {
        Make(kMultiLine, "\ta");
        box->SetCaret(2, false);
        box->OnKey(13, 0);
        return Text();
    }

private:
    bool soundWas_ = true;
};

// The start-up path end to end: the framework folder found through the shell's common
// files folder, its corvane.ini read, and new editboxes and the sound switch following.
TEST_F(FrameworkSettingsTest, CorvaneIniInTheCommonFilesFolderShapesNewEditboxes) {
    HeadlessFolders& folders = TheHeadlessFolders();
    if (!folders.InUse()) GTEST_SKIP() << "the real common files folder is not ours to write";
    TestFolder base;
    folders.commonProgramFiles = base.Path() + TheFileSystem().PathSeparator() + "Common";
    ComputeConfigFolder();
    Store("AutoIndent", "0");
    Store("CaretWidth", "3");
    Store("SelectOnPaste", "1");
    Store("EditboxTextDragable", "0");
    Store("TabDistanceFixed", "4");
    Store("ControlFontFace", "Verdana");
    Store("SoundEnabled", "0");

    StartFrameworkSettings();
    EXPECT_EQ(AfterEnter(), "\ta\n");
    EXPECT_EQ(host.caret.right - host.caret.left, 3);
    const EditboxSettings& settings = TheEditboxSettings();
    EXPECT_TRUE(settings.selectOnPaste);
    EXPECT_FALSE(settings.textDragable);
    EXPECT_EQ(settings.tabDistanceFixed, 4);
    EXPECT_EQ(Std(settings.fontFace), "Verdana");
    EXPECT_FALSE(IsSoundEnabled());

    // Edited and applied again, the copies follow the file.
    Store("AutoIndent", "1");
    Store("CaretWidth", "1");
    Store("SoundEnabled", "1");
    LoadFrameworkSettings();
    ApplyFrameworkSettings();
    EXPECT_EQ(AfterEnter(), "\ta\n\t");
    EXPECT_EQ(host.caret.right - host.caret.left, 1);
    EXPECT_TRUE(IsSoundEnabled());
}

// Whatever the file holds, an editbox ends up with a usable caret and tab stops.
TEST_F(FrameworkSettingsTest, OutOfRangeValuesEndUpInRange) {
    TestFolder folder;
    String ini = folder.Name("corvane.ini");
    ASSERT_TRUE(WriteProfileText(kSettingsSection, "CaretWidth", "500", ini));
    ASSERT_TRUE(WriteProfileText(kSettingsSection, "TabDistanceVariable", "0.1", ini));
    LoadFrameworkSettings(ini);
    ApplyFrameworkSettings();
    Make(kMultiLine, "x");
    EXPECT_EQ(host.caret.right - host.caret.left, 99);
    EXPECT_DOUBLE_EQ(TheEditboxSettings().tabDistanceVariable, 0.5);
}

TEST_F(FrameworkSettingsTest, ShutdownKeepsTheTableInCorvaneIni) {
    HeadlessFolders& folders = TheHeadlessFolders();
    if (!folders.InUse()) GTEST_SKIP() << "the real common files folder is not ours to write";
    TestFolder base;
    folders.commonProgramFiles = base.Path() + TheFileSystem().PathSeparator() + "Common";
    StartFrameworkSettings();
    FrameworkSetting(kSetCaretWidth).value = Var::Integer(5);
    StopFrameworkSettings();
    EXPECT_EQ(ReadProfileNumber(kSettingsSection, "CaretWidth", 0, CorvaneIniPath()), 5);
}

}  // namespace
