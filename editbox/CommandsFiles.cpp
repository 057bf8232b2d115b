// The commands that move text between an editbox and files: Open from file, Save to
// file (also "Save as" of the document editbox) and files dropped from the shell.
// Each remembers its folder in "globals.ini", section "Editbox", so the dialogs open
// where the user was last time.
#include "core/ConfigExchange.h"
#include "core/File.h"
#include "editbox/Commands.h"
#include "editbox/CommandsConditions.h"
#include "editbox/Editbox.h"
#include "platform/Ask.h"
#include "platform/FileSystem.h"
#include "platform/Sound.h"

#include <initializer_list>

const char* const kEditboxFileFilter = "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*";
const char* const kEditboxDefaultExtension = "txt";

namespace {

constexpr const char* kSection = "Editbox";
constexpr const char* kOpenFolderKey = "OpenFromFilepath";
constexpr const char* kSaveFolderKey = "SaveAsFilepath";
constexpr const char* kOpenCaption = "Open From File";
constexpr const char* kSaveCaption = "Save Editbox Contents";

int32_t LastSeparator(const String& path) {
    for (int32_t i = path.Length() - 1; i >= 0; --i)
        if (path[i] == '\\' || path[i] == '/') return i;
    return -1;
}

String FolderOf(const String& path) {
    int32_t separator = LastSeparator(path);
    return separator < 0 ? String() : path.Left(separator);
}

String CurrentFolder() {
    String folder = TheFileSystem().FullPath(".");
    // Hosts that only prefix the working folder leave the "." behind.
    int32_t length = folder.Length();
    if (length >= 2 && folder[length - 1] == '.' && LastSeparator(folder) == length - 2)
        folder = folder.Left(length - 2);
    return folder;
}

String LastFolder(const char* key) {
    String folder;
    SettingsExchange load(kSection, SettingsExchange::kLoad);
    load.Text(key, folder);
    return folder.IsEmpty() ? CurrentFolder() : folder;
}

void RememberFolder(const char* key, const String& chosenPath) {
    String folder = FolderOf(chosenPath);
    SettingsExchange save(kSection, SettingsExchange::kSave);
    save.Text(key, folder);
}

FileError ReadWholeFile(const String& name, String& text, String& error) {
    File file;
    FileError code = file.Open(name, File::kOpenExisting | File::kNoWrite | File::kShareRead);
    if (code == kFileOk && !file.ReadAll(text)) code = kFileNotLoaded;
    if (code != kFileOk) error = file.LastError();
    return code;
}

bool WriteWholeFile(const String& name, const String& text, String& error) {
    File file;
    bool ok = file.Open(name, File::kCreateAlways | File::kNoRead) == kFileOk &&
              file.Write(text) && file.Close();
    if (!ok) error = file.LastError();
    return ok;
}

AskButton AskUser(const char* caption, const String& text, uint32_t buttons,
                  AskIcon icon = AskIcon::Question) {
    AskMessage message;
    message.caption = caption;
    message.text = text;
    message.buttons = buttons;
    message.icon = icon;
    return TheAsk().ShowMessage(message);
}

AskButton AskChoosing(const char* caption, const String& text,
                      std::initializer_list<AskChoice> choices) {
    AskMessage message;
    message.caption = caption;
    message.text = text;
    message.icon = AskIcon::Question;
    for (const AskChoice& choice : choices) message.choices.Append(choice);
    return TheAsk().ShowMessage(message);
}

void ReportFailure(const char* caption, const String& text) {
    AskUser(caption, text, kAskOkOnly, AskIcon::Error);
}

constexpr uint32_t kYesNo = AskButtonBit(kAskYes) | AskButtonBit(kAskNo);

// The box now holds only what was read: show it from its start.
void CaretToStart(Editbox& editbox) {
    editbox.SetCaret(0, true);
}

}  // namespace

bool OpenFromFile(Editbox& editbox) {
    FileDialogRequest request;
    request.caption = kOpenCaption;
    request.filter = kEditboxFileFilter;
    request.folder = LastFolder(kOpenFolderKey);
    request.defaultExtension = kEditboxDefaultExtension;
    if (!TheAsk().AskOpenFileName(request)) return false;
    const String& name = request.fileName;
    RememberFolder(kOpenFolderKey, name);

    bool replacesAll = !HasText(editbox) || editbox.IsAllSelected();
    if (!replacesAll) {
        String question = String::Formatted(
            "Do you want to discard the editbox's current contents before inserting the file "
            "\"%s\"?",
            name.c_str());
        replacesAll = AskUser(kOpenCaption, question, kYesNo) == kAskYes;
    }

    String text, error;
    if (ReadWholeFile(name, text, error) != kFileOk) {
        ReportFailure(kOpenCaption, String::Formatted("Failed to open file \"%s\":\r\n%s",
                                                      name.c_str(), error.c_str()));
        return false;
    }
    // Emptying and inserting are one change, so one undo brings the old text back.
    if (replacesAll) editbox.SelectAll();
    if (!editbox.ReplaceSelection(text)) return false;
    if (replacesAll) CaretToStart(editbox);
    return true;
}

bool SaveToFile(Editbox& editbox) {
    FileDialogRequest request;
    request.caption = kSaveCaption;
    request.filter = kEditboxFileFilter;
    request.folder = LastFolder(kSaveFolderKey);
    request.defaultExtension = kEditboxDefaultExtension;
    if (!TheAsk().AskSaveFileName(request)) return false;
    RememberFolder(kSaveFolderKey, request.fileName);
    const String& name = request.fileName;

    bool selectionOnly = false;
    if (editbox.HasSelection() && !editbox.IsAllSelected()) {
        AskButton answer = AskChoosing(
            "Save As", "Do you wish to save the current selection or the entire editbox contents?",
            {{"Save selection", "", kAskYes}, {"Save entire contents", "", kAskNo}, {"Cancel", "", kAskCancel}});
        if (answer != kAskYes && answer != kAskNo) return false;
        selectionOnly = answer == kAskYes;
    }

    int32_t start = selectionOnly ? editbox.SelectionStart() : 0;
    int32_t end = selectionOnly ? editbox.SelectionEnd() : editbox.GetTextLength();
    String text = WithCrLfLineBreaks(editbox.Text().Mid(start, end - start));
    String error;
    if (!WriteWholeFile(name, text, error)) {
        ReportFailure(kSaveCaption, String::Formatted("Failed to create file:\r\n%s\r\n\r\n%s",
                                                      name.c_str(), error.c_str()));
        return false;
    }
    return true;
}

bool InsertDroppedFiles(Editbox& editbox, const Array<String>& fileNames) {
    if (fileNames.Count() == 0) return false;
    if (editbox.IsReadOnly()) {
        PlayRefusalSound();
        return false;
    }
    bool several = fileNames.Count() > 1;
    bool replace = false;
    if (HasText(editbox)) {
        String question("Should the");
        question.Append(several ? "se files" : " file");
        question.Append(" be inserted into the existing text, or should");
        if (several) question.Append("they");
        question.Append(" replace the existing text?");
        const char* insertTip = editbox.HasSelection() ? "Overwrite the selected text."
                                                       : "Insert the new text at the caret.";
        AskButton answer = AskChoosing("Replace or Insert?", question,
                                       {{"&Insert", insertTip, kAskYes},
                                        {"&Replace", "Discard the current contents of this editbox.", kAskNo},
                                        {"Cancel", "", kAskCancel}});
        if (answer != kAskYes && answer != kAskNo) return false;
        replace = answer == kAskNo;
    }

    String inserted, failures;
    bool anyRead = false;
    for (const String& name : fileNames) {
        String text, error;
        FileError code = ReadWholeFile(name, text, error);
        if (code == kFileOk) {
            inserted.Append(text);
            anyRead = true;
        } else {
            failures.Append("\r\n\r\nFailed to open file \"");
            failures.Append(name);
            failures.Append("\"\r\nError code ");
            failures.Append(String::Formatted("%d", int(code)));
        }
    }

    bool changed = false;
    if (anyRead) {
        if (replace) editbox.SelectAll();
        changed = editbox.ReplaceSelection(inserted);
        if (changed && replace) CaretToStart(editbox);
    }
    if (!failures.IsEmpty()) ReportFailure("Insert Files", failures);
    return changed;
}
