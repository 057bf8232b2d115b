#include "tests/app/DocumentTestSupport.h"

namespace {

class DocumentLoad : public DocumentTestBase {
protected:
    TestFolder folder;
    TestDocumentHost host;
    Document document{host, &host.editbox};

    const String& Text() { return host.editbox.Text(); }
    void Edit(const char* text) { host.editbox.SetText(text, true); }
};

TEST_F(DocumentLoad, BytesArriveAsTheyAreAndTheFileIsRemembered) {
    String bytes("one\r\ntwo\nthree\rfour\n\r\xE9\xFF", 22);
    String name = folder.Make("a.txt", bytes);
    ASSERT_TRUE(document.OpenByName(name));
    EXPECT_EQ(Text(), bytes);
    EXPECT_EQ(document.SavedText(), bytes);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.IsOpen());
    String full = Document::FullName(name);
    EXPECT_EQ(document.FileName(), full);
    EXPECT_EQ(document.Settings().lastDocument, full);
    EXPECT_TRUE(document.TimeStamp().HasDate() && document.TimeStamp().HasTime());
    EXPECT_TRUE(Asked().empty());
    // Without locking nothing is held open.
    EXPECT_TRUE(WritableByOthers(name));

    Edit("x");
    EXPECT_TRUE(document.IsModified());
    host.editbox.SetText(bytes, true);  // the same bytes again: not modified any more
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentLoad, AnEmptyFileIsAnEmptyDocument) {
    String name = folder.Make("empty.txt", String());
    ASSERT_TRUE(document.OpenByName(name));
    EXPECT_TRUE(document.IsOpen());
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(Asked().empty());
    EXPECT_FALSE(document.OpenByName(String()));
}

TEST_F(DocumentLoad, AFileThatCannotBeOpenedLeavesTheDocumentAsItWas) {
    document.Settings().lockFile = true;
    String first = folder.Make("first.txt", "first");
    ASSERT_TRUE(document.OpenByName(first));
    Edit("changed");
    String missing = folder.Name("missing.txt");

    EXPECT_FALSE(document.OpenByName(missing));
    ASSERT_EQ(Asked().size(), 1u);  // no question about the changes
    EXPECT_EQ(Asked()[0].caption, "Nivora");
    EXPECT_EQ(Asked()[0].text,
              "Unable to open file " + missing + "\r\n\r\nThe file was not found.");
    EXPECT_EQ(Text(), "changed");
    EXPECT_EQ(document.FileName(), Document::FullName(first));
    EXPECT_FALSE(WritableByOthers(first));
}

TEST_F(DocumentLoad, TheSaveQuestionComesAfterTheReadAndCancelKeepsTheFirstLocked) {
    document.Settings().lockFile = true;
    String first = folder.Make("first.txt", "first");
    String second = folder.Make("second.txt", "second");
    ASSERT_TRUE(document.OpenByName(first));
    Edit("changed");

    Answer(kAskCancel);
    EXPECT_FALSE(document.OpenByName(second));
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].caption, "Close");
    EXPECT_EQ(Asked()[0].text, "Save changes to " + Document::FullName(first) + "?");
    EXPECT_EQ(Asked()[0].buttons, kAskYesNoCancel);
    EXPECT_EQ(Text(), "changed");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.FileName(), Document::FullName(first));
    EXPECT_FALSE(WritableByOthers(first));
    EXPECT_TRUE(WritableByOthers(second));

    Answer(kAskNo);
    ASSERT_TRUE(document.OpenByName(second));
    EXPECT_EQ(Text(), "second");
    EXPECT_EQ(ReadBack(first), "first");  // discarded
    EXPECT_TRUE(WritableByOthers(first));
    EXPECT_FALSE(WritableByOthers(second));
    ASSERT_EQ(document.History().Count(), 1);
    EXPECT_EQ(document.History().Entry(0), Document::FullName(first));
}

TEST_F(DocumentLoad, YesSavesTheFirstBeforeTheSecondComesIn) {
    document.Settings().lockFile = true;
    String first = folder.Make("first.txt", "first");
    String second = folder.Make("second.txt", "second");
    ASSERT_TRUE(document.OpenByName(first));
    Edit("changed");
    Answer(kAskYes);
    ASSERT_TRUE(document.OpenByName(second));
    EXPECT_EQ(ReadBack(first), "changed");
    EXPECT_EQ(Text(), "second");
}

TEST_F(DocumentLoad, AFailedSaveOfAnUntitledDocumentCancelsTheLoad) {
    String second = folder.Make("second.txt", "second");
    document.StartUntitled();
    Edit("unsaved words");
    Answer(kAskYes);
    AnswerCancel();  // the Save As dialog
    EXPECT_FALSE(document.OpenByName(second));
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[0].text, "Save changes to the document?");
    EXPECT_EQ(Asked()[1].kind, AskKind::SaveFile);
    EXPECT_EQ(Asked()[1].caption, "Save Document");
    EXPECT_EQ(Text(), "unsaved words");
    EXPECT_TRUE(document.IsOpen());
    EXPECT_TRUE(document.FileName().IsEmpty());
}

TEST_F(DocumentLoad, SixteenBitUnicodeIsConvertedOnlyWhenTheUserAgrees) {
    String bytes("\xFF\xFEh\0i\0\x41\x01", 8);
    String name = folder.Make("wide.txt", bytes);
    const char* question =
        "This file contains 16-bit unicode.  Should it be converted to 8-bit ASCII?\r\n\r\n"
        "WARNING:  if you save the file after converting it, it will be saved as 8-bit ASCII."
        "  The file is not altered unless it is saved.";

    Answer(kAskYes);
    ASSERT_TRUE(document.OpenByName(name));
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].caption, "Unicode Detected");
    EXPECT_EQ(Asked()[0].text, question);
    EXPECT_EQ(Asked()[0].buttons, AskButtonBit(kAskYes) | AskButtonBit(kAskNo));
    // Half the length; a character above 255 keeps only its low byte.
    EXPECT_EQ(Text(), "hiA");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(ReadBack(name), bytes);  // loading never alters the file

    TheHeadlessAsk().Reset();
    document.CloseDocument();
    Answer(kAskNo);
    ASSERT_TRUE(document.OpenByName(name));
    EXPECT_EQ(Text(), bytes);
}

TEST_F(DocumentLoad, TheUtf8SignatureIsDroppedAndNotWrittenBack) {
    String name = folder.Make("utf8.txt", "\xEF\xBB\xBFh\xC3\xA9llo");
    ASSERT_TRUE(document.OpenByName(name));
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(Text(), "h\xC3\xA9llo");
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(ReadBack(name), "h\xC3\xA9llo");
    // Only a signature at the very start counts.
    String inner = folder.Make("inner.txt", "a\xEF\xBB\xBF");
    ASSERT_TRUE(document.OpenByName(inner));
    EXPECT_EQ(Text(), "a\xEF\xBB\xBF");
}

TEST_F(DocumentLoad, UnicodeHelpersHandleShortAndOddInput) {
    String odd("\xFF\xFE" "a\0b", 5);
    EXPECT_TRUE(HasUnicodeMarker(odd));
    ConvertUnicodeToBytes(odd);
    EXPECT_EQ(odd, "a");
    String marker("\xFF\xFE", 2);
    ConvertUnicodeToBytes(marker);
    EXPECT_EQ(marker, "");
    EXPECT_FALSE(HasUnicodeMarker(String("\xFF")));
    String two("\xEF\xBB");
    EXPECT_FALSE(StripUtf8Signature(two));
    EXPECT_EQ(two, "\xEF\xBB");
}

// Locking on and off take different write paths: through the held handle, or a
// fresh file by name. Both must write exactly the editbox bytes and cut off the rest.
TEST_F(DocumentLoad, SaveWritesExactlyTheEditboxBytesOnBothPaths) {
    for (bool locking : {false, true}) {
        SCOPED_TRACE(locking ? "locking" : "not locking");
        document.Settings().lockFile = locking;
        String name = folder.Make(locking ? "l.txt" : "u.txt", "a much longer original text\r\n");
        ASSERT_TRUE(document.OpenByName(name));
        String edited("x\r\ny\nz\r\xA0\n\r", 10);
        host.editbox.SetText(edited, true);
        ASSERT_TRUE(document.Save());
        EXPECT_EQ(ReadBack(name), edited);
        EXPECT_FALSE(document.IsModified());
        EXPECT_EQ(document.SavedText(), edited);
        EXPECT_TRUE(Asked().empty());
        document.CloseDocument();
    }
}

TEST_F(DocumentLoad, ASaveThatFailsKeepsTheDocumentModified) {
    String name = folder.Make("a.txt", "text");
    ASSERT_TRUE(document.OpenByName(name));
    Edit("new text");
    String nowhere = folder.Path() + TheFileSystem().PathSeparator() + "no-such-dir" +
                     TheFileSystem().PathSeparator() + "b.txt";
    EXPECT_FALSE(document.SaveTo(nowhere));
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].caption, "Save Error");
    EXPECT_EQ(Asked()[0].text,
              "Unable to save file '" + nowhere + "'\r\n\r\nThe directory does not exist.");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(ReadBack(name), "text");
    EXPECT_TRUE(document.SaveTo(name + "x"));
    EXPECT_EQ(ReadBack(name + "x"), "new text");
    File::Delete(name + "x", 0);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentLoad, ASecondHolderOfTheLockMakesTheDocumentReadOnly) {
    String name = folder.Make("shared.txt", "shared");
    document.Settings().lockFile = true;
    ASSERT_TRUE(document.OpenByName(name));

    TestDocumentHost otherHost;
    Document other(otherHost, &otherHost.editbox);
    other.Settings().lockFile = true;
    ASSERT_TRUE(other.OpenByName(name));
    EXPECT_EQ(otherHost.editbox.Text(), "shared");
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].caption, "Lock Failure");
    EXPECT_EQ(Asked()[0].text,
              "The file is locked by another application, although it can still be opened.  "
              "Changes cannot be saved until the file is unlocked.");

    otherHost.editbox.SetText("theirs", true);
    EXPECT_FALSE(other.Save());
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[1].caption, "Save Error");
    EXPECT_EQ(Asked()[1].text.Left(20), "Unable to save file ");
    EXPECT_TRUE(other.IsModified());
    EXPECT_EQ(ReadBack(name), "shared");

    // The holder itself still saves through its lock.
    host.editbox.SetText("ours", true);
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(ReadBack(name), "ours");
}

}  // namespace
