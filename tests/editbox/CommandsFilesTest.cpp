#include <gtest/gtest.h>

#include "core/Config.h"
#include "editbox/CommandsTestSupport.h"
#include "tests/core/FileTestSupport.h"

namespace {

// The scripted host, also noting the folder each file dialog was opened in.
class DialogAsk : public HeadlessAsk {
public:
    DialogAsk() : previous_(&TheAsk()) { InstallAsk(this); }
    ~DialogAsk() override { InstallAsk(previous_); }

    bool AskOpenFileName(FileDialogRequest& request) override {
        folders.push_back(Std(request.folder));
        return HeadlessAsk::AskOpenFileName(request);
    }
    bool AskSaveFileName(FileDialogRequest& request) override {
        folders.push_back(Std(request.folder));
        return HeadlessAsk::AskSaveFileName(request);
    }

    std::vector<std::string> folders;

private:
    Ask* previous_;
};

constexpr uint32_t kYesNo = AskButtonBit(kAskYes) | AskButtonBit(kAskNo);
// The labelled buttons of a question, "label|tip=result" joined by commas.
std::string Choices(const AskedQuestion& question) {
    std::string all;
    for (const AskChoice& choice : question.choices) {
        if (!all.empty()) all += ",";
        all += Std(choice.label) + "|" + Std(choice.tip) + "=" + std::to_string(int(choice.result));
    }
    return all;
}

const char* const kFilter = "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*";

class CommandsFilesTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        DeleteProfileKey("Editbox", "OpenFromFilepath", GlobalsIniPath());
        DeleteProfileKey("Editbox", "SaveAsFilepath", GlobalsIniPath());
    }

    static std::string Stored(const char* key) {
        return Std(ReadProfileText("Editbox", key, "", GlobalsIniPath()));
    }
    const AskedQuestion& Question(size_t index) const { return ask.Asked().at(index); }

    TestFolder folder;
    DialogAsk ask;
};

TEST_F(CommandsFilesTest, OpenIntoAnEmptyBoxRemembersTheFolder) {
    String name = folder.Make("in.txt", "first\r\nsecond");
    Make(kMultiLine, "");
    ask.QueueText(name);
    EXPECT_TRUE(box->OnCommand(kCmdEditOpenFromFile));
    ASSERT_EQ(ask.Asked().size(), 1u);
    EXPECT_EQ(Question(0).kind, AskKind::OpenFile);
    EXPECT_EQ(Std(Question(0).caption), "Open From File");
    EXPECT_EQ(Std(Question(0).text), kFilter);
    EXPECT_EQ(Text(), "first\r\nsecond");
    EXPECT_EQ(box->Caret(), 0);
    EXPECT_EQ(Stored("OpenFromFilepath"), Std(folder.Path()));

    // The next dialog starts there; cancelling it changes nothing.
    ask.QueueCancel();
    EXPECT_FALSE(box->OnCommand(kCmdEditOpenFromFile));
    EXPECT_EQ(ask.folders.back(), Std(folder.Path()));
    EXPECT_EQ(ask.Asked().size(), 2u);
    EXPECT_EQ(Beeps(), 0);

    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "");
}

TEST_F(CommandsFilesTest, OpenAsksWhetherToDiscardTheText) {
    String name = folder.Make("new.txt", "NEW");
    Make(kMultiLine, "old text");
    box->SetSelection(3, 7);
    ask.QueueText(name);
    ask.QueueButton(kAskNo);
    EXPECT_TRUE(box->OnCommand(kCmdEditOpenFromFile));
    ASSERT_EQ(ask.Asked().size(), 2u);
    EXPECT_EQ(Std(Question(1).caption), "Open From File");
    EXPECT_EQ(Std(Question(1).text),
              "Do you want to discard the editbox's current contents before inserting the file \"" +
                  Std(name) + "\"?");
    EXPECT_EQ(Question(1).buttons, kYesNo);
    EXPECT_EQ(Text(), "oldNEWt");
    EXPECT_EQ(box->Caret(), 6);

    ask.QueueText(name);
    ask.QueueButton(kAskYes);
    EXPECT_TRUE(box->OnCommand(kCmdEditOpenFromFile));
    EXPECT_EQ(Text(), "NEW");
    EXPECT_EQ(box->Caret(), 0);
    // Emptying and inserting went in as one change.
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "oldNEWt");

    // Everything selected is going anyway: no question.
    box->SelectAll();
    ask.Reset();
    ask.QueueText(name);
    EXPECT_TRUE(box->OnCommand(kCmdEditOpenFromFile));
    EXPECT_EQ(ask.Asked().size(), 1u);
    EXPECT_EQ(Text(), "NEW");
}

TEST_F(CommandsFilesTest, OpenReportsAFileThatCannotBeRead) {
    String name = folder.Name("missing.txt");
    Make(kMultiLine, "kept");
    ask.QueueText(name);
    ask.QueueButton(kAskYes);
    EXPECT_FALSE(box->OnCommand(kCmdEditOpenFromFile));
    ASSERT_EQ(ask.Asked().size(), 3u);
    EXPECT_EQ(Std(Question(2).caption), "Open From File");
    std::string prefix = "Failed to open file \"" + Std(name) + "\":\r\n";
    std::string report = Std(Question(2).text);
    EXPECT_EQ(report.substr(0, prefix.size()), prefix);
    EXPECT_GT(report.size(), prefix.size());
    EXPECT_EQ(Question(2).buttons, kAskOkOnly);
    EXPECT_EQ(Text(), "kept");
    EXPECT_EQ(box->UndoCount(), 0);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(CommandsFilesTest, SaveWritesCrLfAndAddsTheExtension) {
    Make(kMultiLine, "a\nb\rc\n\rd");
    String typed = folder.Path() + TheFileSystem().PathSeparator() + "out";
    String written = folder.Name("out.txt");
    ask.QueueText(typed);
    EXPECT_TRUE(box->OnCommand(kCmdEditSaveToFile));
    ASSERT_EQ(ask.Asked().size(), 1u);
    EXPECT_EQ(Question(0).kind, AskKind::SaveFile);
    EXPECT_EQ(Std(Question(0).caption), "Save Editbox Contents");
    EXPECT_EQ(Std(Question(0).text), kFilter);
    EXPECT_EQ(Std(ReadBack(written)), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(Text(), "a\nb\rc\n\rd");
    EXPECT_EQ(Stored("SaveAsFilepath"), Std(folder.Path()));
    EXPECT_EQ(Stored("OpenFromFilepath"), "");
}

TEST_F(CommandsFilesTest, SaveAsksForSelectionOrEverything) {
    Make(kMultiLine, "keep this\npart");
    box->SetSelection(5, 14);
    String name = folder.Name("part.txt");

    ask.QueueText(name);
    ask.QueueButton(kAskCancel);
    EXPECT_FALSE(box->OnCommand(kCmdEditSaveToFile));
    ASSERT_EQ(ask.Asked().size(), 2u);
    EXPECT_EQ(Std(Question(1).caption), "Save As");
    EXPECT_EQ(Std(Question(1).text),
              "Do you wish to save the current selection or the entire editbox contents?");
    EXPECT_EQ(Choices(Question(1)), "Save selection|=6,Save entire contents|=7,Cancel|=2");
    EXPECT_EQ(Std(ReadBack(name)), "<unreadable>");

    ask.QueueText(name);
    ask.QueueButton(kAskYes);
    EXPECT_TRUE(box->OnCommand(kCmdEditSaveToFile));
    EXPECT_EQ(Std(ReadBack(name)), "this\r\npart");

    ask.QueueText(name);
    ask.QueueButton(kAskNo);
    EXPECT_TRUE(box->OnCommand(kCmdEditSaveToFile));
    EXPECT_EQ(Std(ReadBack(name)), "keep this\r\npart");

    box->SelectAll();
    ask.Reset();
    ask.QueueText(name);
    EXPECT_TRUE(box->OnCommand(kCmdEditSaveToFile));
    EXPECT_EQ(ask.Asked().size(), 1u);
}

TEST_F(CommandsFilesTest, SaveReportsAFileThatCannotBeCreated) {
    Make(kMultiLine, "text");
    char sep = TheFileSystem().PathSeparator();
    String name = folder.Path() + sep + "no such folder" + sep + "x.txt";
    ask.QueueText(name);
    EXPECT_FALSE(box->OnCommand(kCmdEditSaveToFile));
    ASSERT_EQ(ask.Asked().size(), 2u);
    EXPECT_EQ(Std(Question(1).caption), "Save Editbox Contents");
    std::string prefix = "Failed to create file:\r\n" + Std(name) + "\r\n\r\n";
    std::string report = Std(Question(1).text);
    EXPECT_EQ(report.substr(0, prefix.size()), prefix);
    EXPECT_GT(report.size(), prefix.size());
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(CommandsFilesTest, DroppedFilesInsertOrReplace) {
    String one = folder.Make("one.txt", "1");
    String two = folder.Make("two.txt", "2");
    String missing = folder.Name("gone.txt");

    Make(kMultiLine, "");
    Array<String> names;
    names.Append(one);
    EXPECT_TRUE(InsertDroppedFiles(*box, names));
    EXPECT_TRUE(ask.Asked().empty());
    EXPECT_EQ(Text(), "1");

    box->SetCaret(0, false);
    ask.QueueButton(kAskYes);
    names.Append(two);
    EXPECT_TRUE(InsertDroppedFiles(*box, names));
    ASSERT_EQ(ask.Asked().size(), 1u);
    EXPECT_EQ(Std(Question(0).caption), "Replace or Insert?");
    EXPECT_EQ(Std(Question(0).text),
              "Should these files be inserted into the existing text, or shouldthey replace the "
              "existing text?");
    EXPECT_EQ(Choices(Question(0)),
              "&Insert|Insert the new text at the caret.=6,"
              "&Replace|Discard the current contents of this editbox.=7,Cancel|=2");
    EXPECT_EQ(Text(), "121");

    // Replacing with what could be read; what could not is reported.
    names.Clear();
    names.Append(missing);
    names.Append(two);
    ask.QueueButton(kAskNo);
    EXPECT_TRUE(InsertDroppedFiles(*box, names));
    EXPECT_EQ(Text(), "2");
    ASSERT_EQ(ask.Asked().size(), 3u);
    EXPECT_EQ(Std(Question(2).text),
              "\r\n\r\nFailed to open file \"" + Std(missing) + "\"\r\nError code " +
                  std::to_string(int(kFileNotFound)));
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "121");

    // With a selection, inserting goes over it, and the tip says so.
    names.Clear();
    names.Append(one);
    box->SetSelection(0, 2);
    ask.QueueButton(kAskCancel);
    EXPECT_FALSE(InsertDroppedFiles(*box, names));
    EXPECT_EQ(Std(ask.Asked().back().text),
              "Should the file be inserted into the existing text, or should replace the existing "
              "text?");
    EXPECT_EQ(Std(ask.Asked().back().choices[0].tip), "Overwrite the selected text.");
    EXPECT_EQ(Text(), "121");

    box->ModifyStyle(kEditboxReadOnly, 0);
    EXPECT_FALSE(InsertDroppedFiles(*box, names));
    EXPECT_EQ(Beeps(), 1);
}

}  // namespace
