#include <gtest/gtest.h>

#include <set>

#include "app/AppIdentity.h"
#include "app/AppMain.h"
#include "app/MainWindow.h"
#include "app/MenuHelp.h"
#include "platform/headless/HeadlessAsk.h"
#include "platform/headless/HeadlessWindow.h"
#include "tests/core/FileTestSupport.h"
#include "ui/EditboxKeys.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        SetAppIdentity(NivoraIdentity());
        TheHeadlessAsk().Reset();
        TheHeadlessWindowSystem().Reset();
        ASSERT_TRUE(TheWindowSystem().RegisterFrameClass("Nivora Window Class"));
        window = std::make_unique<MainWindow>();
        ASSERT_TRUE(window->Create("Nivora Window Class"));
        ASSERT_TRUE(window->OpenDocument(String()));
        frame = TheHeadlessWindowSystem().LastFrame();
    }

    void Type(const char* text) {
        for (const char* p = text; *p; ++p) EditboxKey(window->GetEditbox(), uint8_t(*p), 0);
    }

    String Field(int32_t index) { return frame->StatusBarModel()->Field(index).text; }

    std::unique_ptr<MainWindow> window;
    HeadlessFrame* frame = nullptr;
};

TEST_F(MainWindowTest, StatusBarFollowsTypingAndCaretMoves) {
    EXPECT_STREQ(frame->Caption().c_str(), "Nivora");
    EXPECT_STREQ(Field(0).c_str(), "1 / 1");
    EXPECT_STREQ(Field(1).c_str(), "1 / 0");
    EXPECT_STREQ(frame->StatusBarModel()->Field(0).hint.c_str(), "Caret Line/Total Lines");
    EXPECT_EQ(frame->StatusBarModel()->Field(1).widthInChars, 16);

    Type("hello");
    EditboxKey(window->GetEditbox(), 13, 0);
    Type("world!");
    EXPECT_STREQ(Field(0).c_str(), "2 / 2");
    EXPECT_STREQ(Field(1).c_str(), "7 / 6");
    EditboxKey(window->GetEditbox(), kKeyHome, kModCtrl);
    EXPECT_STREQ(Field(0).c_str(), "1 / 2");
    EXPECT_STREQ(Field(1).c_str(), "1 / 5");
}

TEST_F(MainWindowTest, StatusFiguresGroupDigits) {
    EXPECT_STREQ(MainWindow::StatusFigures(1234567, 12).c_str(), "1,234,567 / 12");
}

TEST_F(MainWindowTest, ToolbarEnablingFollowsTheText) {
    const Toolbar& toolbar = window->GetToolbar();
    EXPECT_FALSE(toolbar.Find(kCmdEditCut)->enabled);
    EXPECT_FALSE(toolbar.Find(kCmdEditCopy)->enabled);
    EXPECT_FALSE(toolbar.Find(kCmdEditUndo)->enabled);
    EXPECT_TRUE(toolbar.Find(kCmdEditPaste)->enabled);
    EXPECT_FALSE(toolbar.Find(kCmdNewDocument)->enabled);
    EXPECT_FALSE(toolbar.Find(kCmdEditAlphabetize)->enabled);
    EXPECT_FALSE(toolbar.Find(kCmdSaveDocument)->enabled);  // untitled
    EXPECT_TRUE(toolbar.Find(kCmdOpenDocument)->enabled);
    Type("x");
    EXPECT_TRUE(toolbar.Find(kCmdEditCut)->enabled);
    EXPECT_TRUE(toolbar.Find(kCmdEditCopy)->enabled);
    EXPECT_TRUE(toolbar.Find(kCmdEditUndo)->enabled);
    EXPECT_TRUE(toolbar.Find(kCmdNewDocument)->enabled);
    EXPECT_TRUE(toolbar.Find(kCmdEditAlphabetize)->enabled);
    EXPECT_FALSE(toolbar.Find(kCmdSaveDocument)->enabled);
    EXPECT_STREQ(toolbar.Find(kCmdEditPaste)->help.c_str(), "Paste the text in the clipboard (Ctrl+V).");
}

TEST_F(MainWindowTest, SaveFollowsTheNameHoweverTheFileArrives) {
    TestFolder folder;
    String a = folder.Make("a.txt", "a");
    const Toolbar& toolbar = window->GetToolbar();
    ASSERT_TRUE(window->OpenDocument(a));  // as the command line does
    EXPECT_TRUE(toolbar.Find(kCmdSaveDocument)->enabled);
    window->OnFrameCommand(kCmdCloseDocument);
    EXPECT_FALSE(toolbar.Find(kCmdSaveDocument)->enabled);
    window->OnFilesDropped({a});
    EXPECT_TRUE(toolbar.Find(kCmdSaveDocument)->enabled);
}

TEST_F(MainWindowTest, EveryToolbarButtonHasAPictureOfItsOwn) {
    const Toolbar& toolbar = window->GetToolbar();
    std::set<ToolbarImage> seen;
    for (int32_t i = 0; i < toolbar.Count(); ++i) {
        const ToolbarButton& button = toolbar.Button(i);
        if (button.command == 0) continue;
        EXPECT_NE(button.image, ToolbarImage::kNone) << button.name.c_str();
        EXPECT_TRUE(seen.insert(button.image).second) << button.name.c_str();
    }
}

TEST_F(MainWindowTest, MenuHighlightShowsItsHelpInTheStatusBar) {
    window->OnMenuHighlight(kCmdExit);
    EXPECT_STREQ(frame->StatusHelp().c_str(), "Exit this program (Ctrl+F4).");
    window->OnMenuHighlight(0);
    EXPECT_TRUE(frame->StatusHelp().IsEmpty());
}

TEST_F(MainWindowTest, MenusOfferOnlyWhatWorks) {
    const Menu& bar = window->MenuBar();
    ASSERT_EQ(bar.Count(), 4);
    EXPECT_STREQ(bar.Item(0).label.c_str(), "&File");
    const Menu& file = *bar.Item(0).submenu;
    EXPECT_STREQ(file.Item(file.Count() - 1).label.c_str(), "E&xit\tCtrl+F4");
    EXPECT_STREQ(bar.Item(3).label.c_str(), "&Help");
    EXPECT_NE(bar.Find(kCmdAbout), nullptr);
    EXPECT_NE(bar.Find(kCmdOpenDocument), nullptr);
    ASSERT_EQ(frame->Shortcuts().size(), 3u);
    EXPECT_EQ(frame->Shortcuts()[0].command, kCmdExit);
}

TEST_F(MainWindowTest, StatusBarOptionRemovesAndRebuildsTheBar) {
    window->OnFrameCommand(kCmdStatusBarShown);
    EXPECT_FALSE(window->StatusBarShown());
    EXPECT_EQ(frame->StatusBarModel(), nullptr);
    window->OnFrameCommand(kCmdStatusBarShown);
    ASSERT_NE(frame->StatusBarModel(), nullptr);
    EXPECT_STREQ(Field(0).c_str(), "1 / 1");
}

TEST_F(MainWindowTest, ResizingTheStatusBarPostsItsRefresh) {
    window->OnStatusBarResized();
    ASSERT_EQ(frame->Posted().size(), 1u);
    EXPECT_EQ(frame->Posted().front(), kCmdRefreshStatusBar);
}

TEST_F(MainWindowTest, ClosingAModifiedDocumentAsksFirst) {
    // Closed first: what is typed then starts an untitled document, which Exit must
    // not drop without the question.
    window->OnFrameCommand(kCmdCloseDocument);
    ASSERT_TRUE(TheHeadlessAsk().Asked().empty());
    Type("draft");
    TheHeadlessAsk().QueueButton(kAskCancel);
    frame->Close();
    EXPECT_TRUE(frame->Exists());
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    const AskedQuestion& q = TheHeadlessAsk().Asked()[0];
    EXPECT_STREQ(q.caption.c_str(), "Close");
    EXPECT_STREQ(q.text.c_str(), "Save changes to the document?");
    EXPECT_EQ(q.buttons, kAskYesNoCancel);

    // Yes on an untitled document cannot save anywhere, so the window stays.
    TheHeadlessAsk().QueueButton(kAskYes);
    frame->Close();
    EXPECT_TRUE(frame->Exists());

    TheHeadlessAsk().QueueButton(kAskNo);
    frame->Close();
    EXPECT_FALSE(frame->Exists());
    EXPECT_EQ(window->GetEditbox().GetTextLength(), 0);
}

TEST_F(MainWindowTest, UnmodifiedDocumentClosesWithoutAQuestion) {
    window->OnFrameCommand(kCmdExit);
    EXPECT_FALSE(frame->Exists());
    EXPECT_TRUE(TheHeadlessAsk().Asked().empty());
}

TEST_F(MainWindowTest, AboutNamesProductAndVersion) {
    window->OnFrameCommand(kCmdAbout);
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    EXPECT_STREQ(TheHeadlessAsk().Asked()[0].caption.c_str(), "About");
    EXPECT_EQ(TheHeadlessAsk().Asked()[0].text.Find("Nivora v8.0"), 0);
}

TEST(DocumentWindowCaption, NameOrFullPathAfterTheProduct) {
    SetAppIdentity(NivoraIdentity());
    TheHeadlessWindowSystem().Reset();
    ASSERT_TRUE(TheWindowSystem().RegisterFrameClass("Test Class"));
    TestFolder folder;
    FileSystem& fs = TheFileSystem();
    String directory = folder.Path() + fs.PathSeparator() + "Work Files" + fs.PathSeparator();
    ASSERT_TRUE(fs.MakeDirectory(directory));
    String name = directory + "my NOTES.final.txt";
    ASSERT_EQ(File::WriteAll(name, "notes", 5), kFileOk);
    MainWindow window;
    ASSERT_TRUE(window.Create("Test Class"));
    HeadlessFrame* frame = TheHeadlessWindowSystem().LastFrame();
    ASSERT_TRUE(window.OpenDocument(name));
    EXPECT_EQ(window.Directory(), fs.FullPath(directory));
    window.SetFullPathOnCaption(false);
    EXPECT_STREQ(frame->Caption().c_str(), "Nivora - my NOTES.final.txt");
    window.SetFullPathOnCaption(true);
    EXPECT_EQ(frame->Caption(), "Nivora - " + fs.FullPath(name));
    EXPECT_STREQ(frame->TaskBarTitle().c_str(), "My Notes.final-Nivora");
    window.CloseDocument();
    File::Delete(name, 0);
    EXPECT_STREQ(frame->Caption().c_str(), "Nivora");
    EXPECT_STREQ(frame->TaskBarTitle().c_str(), "Nivora");
}

// Every toolbar button has its line of help; a command registered twice shows its
// first text; a command without help blanks the line rather than leaving the last one.
TEST_F(MainWindowTest, HelpLinesForButtonsAndTheFirstTextWins) {
    const Toolbar& toolbar = window->GetToolbar();
    for (int32_t i = 0; i < toolbar.Count(); ++i) {
        int32_t command = toolbar.Button(i).command;
        if (command) {
            EXPECT_NE(MenuHelpText(command), nullptr) << toolbar.Button(i).name.c_str();
        }
    }
    int32_t count = 0;
    const MenuHelpEntry* table = MenuHelpTable(&count);
    for (int32_t i = 0; i < count; ++i) {
        int32_t first = 0;
        while (table[first].command != table[i].command) ++first;
        EXPECT_STREQ(MenuHelpText(table[i].command), table[first].text) << table[i].command;
    }
    EXPECT_EQ(MenuHelpText(1), nullptr);
    window->OnMenuHighlight(kCmdExit);
    window->OnMenuHighlight(1);
    EXPECT_STREQ(frame->StatusHelp().c_str(), " ");
}

}  // namespace
