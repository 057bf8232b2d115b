#include "tests/app/DocumentTestSupport.h"
#include "platform/headless/HeadlessWindow.h"
#include "ui/Menu.h"

namespace {

class DocumentCommands : public DocumentTestBase {
protected:
    TestFolder folder;
    TestDocumentHost host;
    Document document{host, &host.editbox};

    const String& Text() { return host.editbox.Text(); }
    void Edit(const char* text) { host.editbox.SetText(text, true); }
    String Full(const String& name) { return Document::FullName(name); }
};

TEST_F(DocumentCommands, OpenRefusesTheDocumentThatIsAlreadyOpenAndAsksAgain) {
    String a = folder.Make("a.txt", "a");
    String b = folder.Make("b.txt", "b");
    ASSERT_TRUE(document.OpenByName(a));
    AnswerText(a);
    Answer(kAskOk);
    AnswerText(b);
    ASSERT_TRUE(document.Open());
    ASSERT_EQ(Asked().size(), 3u);
    EXPECT_EQ(Asked()[0].kind, AskKind::OpenFile);
    EXPECT_EQ(Asked()[0].caption, "Open Document");
    EXPECT_EQ(Asked()[0].text, "All Files|*.*");
    EXPECT_EQ(Asked()[1].kind, AskKind::Message);
    EXPECT_EQ(Asked()[1].text, "That document is already open.");
    EXPECT_EQ(Asked()[2].kind, AskKind::OpenFile);
    EXPECT_EQ(Text(), "b");
    EXPECT_EQ(document.Settings().lastDirectory, Document::DirectoryOf(Full(b)));

    AnswerCancel();
    EXPECT_FALSE(document.Open());
    EXPECT_EQ(Text(), "b");
}

// Every way a document begins leaves nothing to undo that belonged to another one:
// an undo there would bring back the old text under the new name.
TEST_F(DocumentCommands, EveryDocumentStartsWithoutAnUndoHistory) {
    String a = folder.Make("a.txt", "a");
    String b = folder.Make("b.txt", "b");
    auto editThenCheck = [&](const char* how, auto begin) {
        Edit("edited");
        ASSERT_TRUE(host.editbox.CanUndo()) << how;
        begin();
        EXPECT_FALSE(host.editbox.CanUndo()) << how;
        EXPECT_FALSE(host.editbox.Undo()) << how;
        TheHeadlessAsk().Reset();
    };
    ASSERT_TRUE(document.OpenByName(a));
    editThenCheck("New", [&] {
        Answer(kAskNo);
        EXPECT_TRUE(document.New());
    });
    editThenCheck("load by name", [&] {
        Answer(kAskNo);
        EXPECT_TRUE(document.OpenByName(b));
    });
    editThenCheck("Open", [&] {
        AnswerText(a);
        Answer(kAskNo);
        EXPECT_TRUE(document.Open());
    });
    editThenCheck("reload", [&] {
        ASSERT_TRUE(document.Save());
        EXPECT_TRUE(document.Reload());
    });
    editThenCheck("Close", [&] {
        Answer(kAskNo);
        EXPECT_TRUE(document.Close());
    });
    EXPECT_EQ(ReadBack(a), "edited");
}

// The dialogs are told the default extension, so that what the Save dialog confirms
// overwriting is the name then written, and Open finds "b" as b.TXT.
TEST_F(DocumentCommands, TheFileDialogsAddTheDefaultExtensionThemselves) {
    String b = folder.Make("b.TXT", "b");
    AnswerText(b.Left(b.Length() - 4));
    ASSERT_TRUE(document.Open());
    EXPECT_EQ(Asked()[0].defaultExtension, "TXT");
    EXPECT_EQ(document.FileName(), Full(b));

    AnswerText(folder.Name("c.notes"));
    ASSERT_TRUE(document.SaveAs());
    EXPECT_EQ(Asked()[1].defaultExtension, "TXT");
    EXPECT_EQ(document.FileName(), Full(folder.Name("c.notes")));
    EXPECT_EQ(ReadBack(folder.Name("c.notes")), "b");
}

// Open reads the chosen file before it lets go of the current document.
TEST_F(DocumentCommands, OpenKeepsTheDocumentWhenTheChosenFileCannotBeRead) {
    String a = folder.Make("a.txt", "a");
    ASSERT_TRUE(document.OpenByName(a));
    Edit("unsaved");
    AnswerText(folder.Name("gone.txt"));
    EXPECT_FALSE(document.Open());
    ASSERT_EQ(Asked().size(), 2u);  // the dialog and the failure, no save question
    EXPECT_EQ(Asked()[1].text.Left(20), "Unable to open file ");
    EXPECT_EQ(Text(), "unsaved");
    EXPECT_EQ(document.FileName(), Full(a));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DocumentCommands, OpeningAFileShowsTheBusyCursorAndPutsItBackBeforeAnyMessage) {
    String a = folder.Make("a.txt", "a");
    TheHeadlessWindowSystem().Reset();
    ASSERT_TRUE(document.OpenByName(a));
    EXPECT_EQ(TheHeadlessWindowSystem().BusyCursorCalls(), (std::vector<bool>{true, false}));

    TheHeadlessWindowSystem().Reset();
    EXPECT_FALSE(document.OpenByName(folder.Name("missing.txt")));
    EXPECT_EQ(TheHeadlessWindowSystem().BusyCursorCalls(), (std::vector<bool>{true, false}));
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Text(), "a");
}

TEST_F(DocumentCommands, LoadingTheOpenFileAfterSavingItShowsWhatWasSaved) {
    // Dropping the modified document onto its own window: Yes saves, and the reload
    // must show the saved text, not what the file held before the question.
    for (bool locked : {false, true}) {
        document.Settings().lockFile = locked;
        String a = folder.Make("a.txt", "old");
        ASSERT_TRUE(document.OpenByName(a));
        Edit("new");
        Answer(kAskYes);
        ASSERT_TRUE(document.OpenByName(a)) << locked;
        EXPECT_EQ(Text(), "new") << locked;
        EXPECT_FALSE(document.IsModified()) << locked;
        EXPECT_EQ(ReadBack(a), "new") << locked;
        ASSERT_TRUE(document.Close());
    }
}

TEST_F(DocumentCommands, NewAndCloseAskOnlyAboutRealChanges) {
    String a = folder.Make("a.txt", "a");
    ASSERT_TRUE(document.OpenByName(a));
    ASSERT_TRUE(document.New());
    EXPECT_TRUE(Asked().empty());
    EXPECT_TRUE(document.IsOpen());
    EXPECT_TRUE(document.FileName().IsEmpty());
    EXPECT_FALSE(document.TimeStamp().HasDate());
    EXPECT_EQ(Text(), "");

    Edit("draft");
    Answer(kAskNo);
    ASSERT_TRUE(document.Close());
    EXPECT_EQ(Asked().size(), 1u);
    EXPECT_FALSE(document.IsOpen());
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(document.SavedText(), "");
    // A closed window has no document to save.
    EXPECT_FALSE(document.Save());
    EXPECT_FALSE(document.SaveAs());
}

TEST_F(DocumentCommands, SavingAnUntitledDocumentNamesIt) {
    document.StartUntitled();
    Edit("draft");
    String chosen = folder.Path() + TheFileSystem().PathSeparator() + "named";
    AnswerText(chosen);
    ASSERT_TRUE(document.Save());
    folder.Name("named.TXT");
    EXPECT_EQ(Asked()[0].kind, AskKind::SaveFile);
    EXPECT_EQ(document.FileName(), Full(chosen + ".TXT"));
    EXPECT_EQ(ReadBack(chosen + ".TXT"), "draft");
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.TimeStamp().HasDate());
    // An untitled document was never a file: nothing goes into the history.
    EXPECT_EQ(document.History().Count(), 0);
}

TEST_F(DocumentCommands, SaveAsWritesTheNewFileAndTheLockFollows) {
    document.Settings().lockFile = true;
    String a = folder.Make("a.txt", "a");
    String b = folder.Name("b.txt");
    ASSERT_TRUE(document.OpenByName(a));
    Edit("moved");
    AnswerText(b);
    ASSERT_TRUE(document.SaveAs());
    EXPECT_EQ(ReadBack(b), "moved");
    EXPECT_EQ(ReadBack(a), "a");
    EXPECT_EQ(document.FileName(), Full(b));
    ASSERT_EQ(document.History().Count(), 1);
    EXPECT_EQ(document.History().Entry(0), Full(a));
    EXPECT_TRUE(WritableByOthers(a));
    EXPECT_FALSE(WritableByOthers(b));
    // Saving again goes through the moved lock.
    Edit("again");
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(ReadBack(b), "again");
}

TEST_F(DocumentCommands, TheHistoryListsClosedDocumentsButNeverTheOpenOne) {
    String a = folder.Make("a.txt", "a");
    String b = folder.Make("b.txt", "b");
    ASSERT_TRUE(document.OpenByName(a));
    ASSERT_TRUE(document.OpenByName(b));
    ASSERT_TRUE(document.Close());
    ASSERT_EQ(document.History().Count(), 2);
    EXPECT_EQ(document.History().Entry(0), Full(b));
    EXPECT_EQ(document.History().Entry(1), Full(a));
    EXPECT_GT(host.historyChanges, 0);

    ASSERT_TRUE(document.OpenHistoryEntry(1));
    EXPECT_EQ(Text(), "a");
    ASSERT_EQ(document.History().Count(), 1);
    EXPECT_EQ(document.History().Entry(0), Full(b));

    Menu file;
    document.AddHistoryItems(file);
    ASSERT_EQ(file.Count(), 1);
    EXPECT_EQ(file.Item(0).label, "&1 " + Full(b));
    EXPECT_EQ(file.Item(0).command, kCmdFileHistoryFirst);
    EXPECT_FALSE(document.OpenHistoryEntry(5));

    document.Settings().recordHistory = false;
    document.ApplyRecordHistory();
    EXPECT_EQ(document.History().Count(), 0);
    ASSERT_TRUE(document.Close());
    EXPECT_EQ(document.History().Count(), 0);
}

TEST(FileHistory, MostRecentFirstIgnoringCaseAndAtMostThirty) {
    FileHistory history;
    history.Add("");
    EXPECT_EQ(history.Count(), 0);
    for (int32_t i = 0; i < 31; ++i) history.Add(String::Formatted("C:\\doc%d.txt", i));
    ASSERT_EQ(history.Count(), 30);
    EXPECT_EQ(history.Entry(0), "C:\\doc30.txt");
    EXPECT_EQ(history.Entry(29), "C:\\doc1.txt");  // doc0 fell off

    history.Add("c:\\DOC5.TXT");
    EXPECT_EQ(history.Count(), 30);
    EXPECT_EQ(history.Entry(0), "c:\\DOC5.TXT");
    EXPECT_EQ(history.IndexOf("C:\\doc5.txt"), 0);
    EXPECT_EQ(history.Entry(1), "C:\\doc30.txt");
    EXPECT_TRUE(history.Remove("C:\\Doc5.txt"));
    EXPECT_FALSE(history.Remove("C:\\doc5.txt"));
    EXPECT_EQ(history.Count(), 29);
    EXPECT_FALSE(SameFileName("a", "ab"));
}

class ExternalChange : public DocumentCommands {
protected:
    TouchableFileSystem files;
    String name;

    void SetUp() override {
        DocumentCommands::SetUp();
        name = folder.Make("watched.txt", "before");
        ASSERT_TRUE(document.OpenByName(name));
    }
    void Touch(int32_t second) { files.Touch(Full(name), DateTime::At(2031, 1, 2, 3, 4, second)); }
    String Question() {
        return "Another program has modified the document \"" + Full(name) +
               "\".  Do you want to reload it?";
    }
};

TEST_F(ExternalChange, NoIsAskedOnceAndYesReloadsInPlace) {
    document.CheckExternalChange();
    EXPECT_TRUE(Asked().empty());  // nothing changed yet

    Touch(1);
    Answer(kAskNo);
    document.CheckExternalChange();
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].caption, "Document Changed");
    EXPECT_EQ(Asked()[0].text, Question());
    EXPECT_EQ(Asked()[0].buttons, AskButtonBit(kAskYes) | AskButtonBit(kAskNo));
    document.CheckExternalChange();
    EXPECT_EQ(Asked().size(), 1u);  // the same change is not asked about again
    EXPECT_EQ(Text(), "before");

    // Changed again, with unsaved edits: the reload does not ask to save them.
    File::WriteAll(name, "after, longer", 13);
    Touch(2);
    Edit("edited");
    host.editbox.SetCaret(3, false);
    Answer(kAskYes);
    document.CheckExternalChange();
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Text(), "after, longer");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(host.restores, 1);
    EXPECT_EQ(host.editbox.Caret(), 3);
    EXPECT_EQ(document.History().Count(), 0);
    document.CheckExternalChange();
    EXPECT_EQ(Asked().size(), 2u);
}

TEST_F(ExternalChange, NotAskedWhileTheWindowCannotAskOrDetectionIsOff) {
    Touch(1);
    host.canAsk = false;
    document.CheckExternalChange();
    host.canAsk = true;
    document.Settings().detectChanges = false;
    document.CheckExternalChange();
    EXPECT_TRUE(Asked().empty());

    // Turning detection back on takes the file as it is now.
    document.Settings().detectChanges = true;
    document.ApplyDetectChanges();
    document.CheckExternalChange();
    EXPECT_TRUE(Asked().empty());
}

}  // namespace
