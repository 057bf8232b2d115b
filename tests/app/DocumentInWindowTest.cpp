// The document and the options as the main window runs them: commands, menus,
// shortcuts, dropped files, closing, activation, and settings kept across restarts.
#include <memory>

#include "app/MainWindow.h"
#include "app/OptionsCharacterSets.h"
#include "platform/headless/HeadlessWindow.h"
#include "tests/app/DocumentTestSupport.h"
#include "ui/Menu.h"

namespace {

class DocumentInWindow : public DocumentTestBase {
protected:
    TestFolder folder;
    String ini = folder.Name("globals.ini");
    std::unique_ptr<MainWindow> window;
    HeadlessFrame* frame = nullptr;

    void SetUp() override {
        DocumentTestBase::SetUp();
        TheHeadlessWindowSystem().Reset();
        ASSERT_TRUE(TheWindowSystem().RegisterFrameClass("Nivora Window Class"));
        Start();
    }
    void TearDown() override {
        window.reset();
        DocumentTestBase::TearDown();
    }

    // A run of the editor: the window is created, which loads the settings.
    void Start() {
        window = std::make_unique<MainWindow>();
        window->SetSettingsFile(ini);
        ASSERT_TRUE(window->Create("Nivora Window Class"));
        frame = TheHeadlessWindowSystem().LastFrame();
        frame->Show();
    }
    // The window goes, which saves them.
    void Restart() {
        window.reset();
        Start();
    }

    Document& Doc() { return window->GetDocument(); }
    const Menu& Submenu(const char* title) {
        const Menu& bar = window->MenuBar();
        for (int32_t i = 0; i < bar.Count(); ++i) {
            if (bar.Item(i).label == title) return *bar.Item(i).submenu;
        }
        ADD_FAILURE() << "no menu " << title;
        return bar;
    }
    const MenuItem* OptionsItem(int32_t command) {
        window->OnMenuOpening();
        return Submenu("&Options").Find(command);
    }
};

TEST_F(DocumentInWindow, WithoutSettingsTheWindowShowsEverythingAndTheFullPath) {
    EXPECT_NE(frame->ToolbarModel(), nullptr);
    EXPECT_NE(frame->StatusBarModel(), nullptr);
    String name = folder.Make("plain.txt", "text");
    ASSERT_TRUE(window->OpenDocument(name));
    EXPECT_EQ(frame->Caption(), "Nivora - " + Document::FullName(name));
    EXPECT_TRUE(OptionsItem(kCmdDetectChanges)->checked);
    EXPECT_FALSE(OptionsItem(kCmdLockFile)->checked);

    window->OnFrameCommand(kCmdFullPathOnCaption);
    EXPECT_EQ(frame->Caption(), "Nivora - plain.txt");
    EXPECT_FALSE(OptionsItem(kCmdFullPathOnCaption)->checked);
}

TEST_F(DocumentInWindow, TheFileMenuAndShortcutsReachTheDocument) {
    const Menu& file = Submenu("&File");
    ASSERT_GE(file.Count(), 5);
    EXPECT_EQ(file.Item(0).label, "&New document");
    EXPECT_EQ(file.Item(1).label, "&Open document\tCtrl+O");
    EXPECT_EQ(file.Item(2).label, "&Save document\tCtrl+S");
    EXPECT_EQ(file.Item(3).label, "Save document &as");
    EXPECT_EQ(file.Item(4).label, "&Close document");
    bool open = false, save = false;
    for (const HeadlessFrame::Shortcut& s : frame->Shortcuts()) {
        open |= s.key == 'O' && s.modifiers == kModCtrl && s.command == kCmdOpenDocument;
        save |= s.key == 'S' && s.modifiers == kModCtrl && s.command == kCmdSaveDocument;
    }
    EXPECT_TRUE(open && save);
    EXPECT_TRUE(frame->AcceptsFiles());

    String a = folder.Make("a.txt", "a");
    String b = folder.Make("b.txt", "b");
    frame->Client().OnFilesDropped({a, b});
    EXPECT_EQ(window->GetEditbox().Text(), "a");
    window->GetEditbox().SetText("edited", true);
    window->OnFrameCommand(kCmdSaveDocument);
    EXPECT_EQ(ReadBack(a), "edited");

    window->OnFrameCommand(kCmdCloseDocument);
    EXPECT_FALSE(window->IsDocumentOpen());
    EXPECT_EQ(frame->Caption(), "Nivora");
    // The closed document is offered again, right after Close.
    const Menu& withHistory = Submenu("&File");
    const MenuItem* entry = withHistory.Find(kCmdFileHistoryFirst);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->label, "&1 " + Document::FullName(a));
    window->OnFrameCommand(kCmdFileHistoryFirst);
    EXPECT_EQ(window->GetEditbox().Text(), "edited");
    EXPECT_EQ(Submenu("&File").Find(kCmdFileHistoryFirst), nullptr);
}

TEST_F(DocumentInWindow, ClosingAnUntitledDocumentSavesItThroughSaveAs) {
    window->OpenDocument(String());
    window->GetEditbox().SetText("keep me", true);
    String chosen = folder.Name("kept.txt");
    Answer(kAskYes);
    AnswerText(chosen);
    frame->Close();
    EXPECT_FALSE(frame->Exists());
    EXPECT_EQ(ReadBack(chosen), "keep me");
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[1].caption, "Save Document");
}

TEST_F(DocumentInWindow, ActivationAsksAboutChangesMadeElsewhere) {
    TouchableFileSystem files;
    String name = folder.Make("watched.txt", "before");
    ASSERT_TRUE(window->OpenDocument(name));
    frame->Client().OnFrameActivate(true);
    EXPECT_TRUE(Asked().empty());
    File::WriteAll(name, "after", 5);
    files.Touch(Document::FullName(name), DateTime::At(2031, 5, 6, 7, 8, 9));
    Answer(kAskYes);
    frame->Client().OnFrameActivate(true);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].caption, "Document Changed");
    EXPECT_EQ(window->GetEditbox().Text(), "after");
}

TEST_F(DocumentInWindow, LockAndHistoryItemsApplyAsTheyAreToggled) {
    String name = folder.Make("a.txt", "a");
    ASSERT_TRUE(window->OpenDocument(name));
    window->OnFrameCommand(kCmdLockFile);
    EXPECT_TRUE(OptionsItem(kCmdLockFile)->checked);
    EXPECT_FALSE(WritableByOthers(name));
    window->OnFrameCommand(kCmdLockFile);
    EXPECT_TRUE(WritableByOthers(name));

    window->CloseDocument();
    EXPECT_EQ(Doc().History().Count(), 1);
    window->OnFrameCommand(kCmdRecordHistory);
    EXPECT_EQ(Doc().History().Count(), 0);
    EXPECT_FALSE(OptionsItem(kCmdRecordHistory)->checked);
}

TEST_F(DocumentInWindow, OptionsAndHistoryComeBackAfterARestart) {
    String name = folder.Make("a.txt", "a");
    ASSERT_TRUE(window->OpenDocument(name));
    window->OnFrameCommand(kCmdStatusBarShown);
    window->OnFrameCommand(kCmdToolbarShown);
    window->OnFrameCommand(kCmdCharacterSetFirst + 2);
    EXPECT_EQ(frame->StatusBarModel(), nullptr);
    Restart();

    EXPECT_FALSE(window->StatusBarShown());
    EXPECT_EQ(frame->StatusBarModel(), nullptr);
    EXPECT_FALSE(window->ToolbarShown());
    EXPECT_EQ(frame->ToolbarModel(), nullptr);
    EXPECT_FALSE(OptionsItem(kCmdStatusBarShown)->checked);
    window->OnMenuOpening();
    const Menu* sets = Submenu("&Options").Item(7).submenu.get();
    ASSERT_NE(sets, nullptr);
    EXPECT_TRUE(sets->Item(2).checked);
    // The document open at exit was closed into the history first.
    ASSERT_EQ(Doc().History().Count(), 1);
    EXPECT_EQ(Doc().History().Entry(0), Document::FullName(name));
    EXPECT_EQ(window->LastDocument(), Document::FullName(name));

    window->OnFrameCommand(kCmdStatusBarShown);
    EXPECT_NE(frame->StatusBarModel(), nullptr);
    Restart();
    EXPECT_TRUE(window->StatusBarShown());
}

TEST_F(DocumentInWindow, TheWindowComesBackWhereItWas) {
    WindowPlacement unknown;
    EXPECT_FALSE(frame->GetPlacement(unknown));  // a first run leaves it to the host
    WindowPlacement where{40, 30, 840, 630, WindowPlacement::kMaximized};
    frame->SetPlacement(where);
    Restart();
    WindowPlacement back;
    ASSERT_TRUE(frame->GetPlacement(back));
    EXPECT_EQ(back, where);
}

TEST_F(DocumentInWindow, AutoOpenReopensTheLastDocumentAsTheWindowIsCreated) {
    String name = folder.Make("last.txt", "last words");
    ASSERT_TRUE(window->OpenDocument(name));
    Doc().Settings().autoOpen = true;
    Restart();
    EXPECT_EQ(window->GetEditbox().Text(), "last words");
    // An empty command line keeps it rather than starting an untitled one.
    ASSERT_TRUE(window->OpenDocument(String()));
    EXPECT_EQ(window->FileName(), Document::FullName(name));
}

}  // namespace
