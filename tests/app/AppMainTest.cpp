#include <gtest/gtest.h>

#include "app/AppIdentity.h"
#include "app/AppMain.h"
#include "app/MainWindow.h"
#include "platform/headless/HeadlessAsk.h"
#include "platform/headless/HeadlessWindow.h"

namespace {

struct Seen {
    bool ran = false;
    bool visible = false;
    String caption;
    String className;
    String line;
};
Seen seen;

// Plays the user once the loop is idle: notes what the window shows, then closes it.
void LookAndClose(HeadlessFrame& frame, int32_t) {
    seen.ran = true;
    seen.visible = frame.IsVisible();
    seen.caption = frame.Caption();
    seen.className = frame.ClassName();
    if (frame.StatusBarModel()) seen.line = frame.StatusBarModel()->Field(0).text;
    frame.Close();
}

class AppMainTest : public testing::Test {
protected:
    void SetUp() override {
        seen = Seen();
        TheHeadlessAsk().Reset();
        TheHeadlessWindowSystem().Reset();
        TheHeadlessWindowSystem().SetUserScript(&LookAndClose);
    }
    void TearDown() override { TheHeadlessWindowSystem().Reset(); }
};

TEST_F(AppMainTest, EmptyCommandLineShowsAnUntitledWindow) {
    EXPECT_EQ(NivoraMain(""), 0);
    ASSERT_TRUE(seen.ran);
    EXPECT_TRUE(seen.visible);
    EXPECT_STREQ(seen.caption.c_str(), "Nivora");
    EXPECT_STREQ(seen.className.c_str(), "Nivora Window Class");
    EXPECT_STREQ(seen.line.c_str(), "1 / 1");
    EXPECT_TRUE(TheHeadlessAsk().Asked().empty());
    EXPECT_STREQ(TheAppIdentity().version.c_str(), "8.0");
}

TEST_F(AppMainTest, PrintRequestOnAnEmptyDocumentSaysSoAndStaysOpen) {
    EXPECT_EQ(NivoraMain("/pc"), 0);
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    EXPECT_STREQ(TheHeadlessAsk().Asked()[0].caption.c_str(), "Nivora");
    EXPECT_STREQ(TheHeadlessAsk().Asked()[0].text.c_str(), "Cannot print empty document!");
    EXPECT_TRUE(seen.ran);
}

TEST_F(AppMainTest, PopupIsTheWholeRun) {
    EXPECT_EQ(NivoraMain("/popup\"Back at five\""), 0);
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    EXPECT_STREQ(TheHeadlessAsk().Asked()[0].caption.c_str(), "Nivora Popup");
    EXPECT_STREQ(TheHeadlessAsk().Asked()[0].text.c_str(), "Back at five");
    EXPECT_FALSE(seen.ran);
}

TEST_F(AppMainTest, UninstallRunsHiddenAndEnds) {
    EXPECT_EQ(NivoraMain("/uninstall"), 0);
    EXPECT_FALSE(seen.ran);  // the window closed before the loop had anything to do
}

TEST_F(AppMainTest, FatalReportIsTopmostTaskModalAndNamesTheProduct) {
    SetAppIdentity(NivoraIdentity());
    ReportFatalToUser("Invalid command line switch:\r\npd");
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    const AskedQuestion& q = TheHeadlessAsk().Asked()[0];
    EXPECT_STREQ(q.caption.c_str(), "FATAL ERROR - Nivora");
    EXPECT_STREQ(q.text.c_str(), "Invalid command line switch:\r\npd");
    EXPECT_TRUE(q.taskModal);
    EXPECT_TRUE(q.topmost);
    EXPECT_EQ(q.buttons, kAskOkOnly);
    EXPECT_TRUE(TheHeadlessWindowSystem().ArrowCursorShown());
}

TEST_F(AppMainTest, BadCommandLinesEndTheProcessWithStatusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(NivoraMain("/pc /pd"), testing::ExitedWithCode(1), "");
    EXPECT_EXIT(NivoraMain("one.txt two.txt"), testing::ExitedWithCode(1), "");
}

TEST_F(AppMainTest, UnregisterableWindowClassIsFatal) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TheHeadlessWindowSystem().RefuseClass("Nivora Window Class");
    EXPECT_EXIT(NivoraMain(""), testing::ExitedWithCode(1), "");
}

}  // namespace
