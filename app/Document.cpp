#include "app/Document.h"

#include "app/AppIdentity.h"
#include "core/Fatal.h"
#include "editbox/Editbox.h"
#include "platform/Ask.h"
#include "platform/FileSystem.h"
#include "platform/Window.h"
#include "ui/Menu.h"

namespace {

const char kFileDialogFilter[] = "All Files|*.*";
const char kDefaultExtension[] = "TXT";
// Messages that piled up behind the reload question (repaints, the activation it
// caused) are worked off before the guard drops, so they cannot ask again.
constexpr int32_t kPendingMessageBudget = 1000;

bool IsStampSet(const DateTime& stamp) {
    return stamp.HasDate() && stamp.HasTime();
}

bool SameStamp(const DateTime& a, const DateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

// Menu labels treat '&' as the mnemonic marker.
String MenuSafe(const String& text) {
    String safe;
    for (int32_t i = 0; i < text.Length(); ++i) {
        if (text[i] == '&') safe.Append('&');
        safe.Append(text[i]);
    }
    return safe;
}

}  // namespace

Document::Document(DocumentHost& host, Editbox* editbox) : host_(host), editbox_(editbox) {
    settings_.lastDirectory = DefaultLastDirectory();
}

Editbox& Document::Box() const {
    if (!editbox_) FatalInternal("Document", __LINE__);
    return *editbox_;
}

String Document::FullName(const String& name) {
    if (name.IsEmpty()) return name;
    String full = TheFileSystem().FullPath(name);
    return full.IsEmpty() ? name : full;
}

String Document::DirectoryOf(const String& name) {
    return name.Left(name.FindLastOf("\\/") + 1);
}

String Document::DefaultLastDirectory() {
    String documents = TheFileSystem().Folder(SpecialFolder::kDocuments);
    return documents.IsEmpty() ? String("c:\\My Documents") : documents;
}

bool Document::IsModified() const {
    return open_ && Box().Text() != savedText_;
}

// ---- commands ----

bool Document::New() {
    if (!QueryClose()) return false;
    StartUntitled();
    return true;
}

void Document::StartUntitled() {
    CloseDocument();
    ReplaceText(String());
    BecomeUntitled();
}

void Document::BecomeUntitled() {
    fileName_.Clear();
    timeStamp_ = DateTime();
    savedText_ = Box().Text();
    open_ = true;
    host_.DocumentNameChanged();
}

void Document::TextAboutToChange() {
    // Typing, a paste or a drop with nothing open begins an untitled document, so
    // that the text has somewhere to be saved and is asked about before it goes.
    if (!open_ && !replacingText_) BecomeUntitled();
}

void Document::ReplaceText(const String& text) {
    replacingText_ = true;
    Box().SetText(text);
    Box().ClearUndo();
    replacingText_ = false;
}

void Document::TakeIntoBox(String& text) {
    replacingText_ = true;
    Box().TakeText(text);
    Box().ClearUndo();
    replacingText_ = false;
}

String Document::DialogFolder() const {
    return settings_.lastDirectory.IsEmpty() ? directory_ : settings_.lastDirectory;
}

bool Document::Open() {
    FileDialogRequest request;
    request.caption = "Open Document";
    request.filter = kFileDialogFilter;
    request.defaultExtension = kDefaultExtension;
    String chosen;
    for (;;) {
        request.folder = DialogFolder();
        request.fileName.Clear();
        if (!TheAsk().AskOpenFileName(request)) return false;
        chosen = FullName(request.fileName);
        settings_.lastDirectory = DirectoryOf(chosen);
        if (!open_ || fileName_.IsEmpty() || !SameFileName(chosen, fileName_)) break;
        ShowMessage(TheAppIdentity().productName, "That document is already open.");
    }
    // The load asks about the current document only once the new one has been read.
    return OpenByName(chosen, 0);
}

bool Document::Save() {
    if (!open_) return false;
    if (fileName_.IsEmpty()) return SaveAs();
    if (!SaveTo(fileName_)) return false;
    if (settings_.detectChanges) timeStamp_ = File::TimeStamp(fileName_);
    return true;
}

bool Document::SaveAs() {
    if (!open_) return false;
    FileDialogRequest request;
    request.caption = "Save Document";
    request.filter = kFileDialogFilter;
    request.folder = DialogFolder();
    request.fileName = fileName_.Mid(DirectoryOf(fileName_).Length());
    request.defaultExtension = kDefaultExtension;
    if (!TheAsk().AskSaveFileName(request)) return false;
    String chosen = FullName(request.fileName);
    settings_.lastDirectory = DirectoryOf(chosen);
    if (!SaveTo(chosen)) return false;

    String previous = fileName_;
    bool renamed = !SameFileName(previous, chosen);
    // The lock follows the document: the old file is free again, the new one is
    // what the user now edits.
    if (renamed && settings_.lockFile) OpenLock(chosen);
    SetFileName(chosen);
    if (renamed && settings_.recordHistory) AddToHistory(previous);
    if (settings_.detectChanges) timeStamp_ = File::TimeStamp(chosen);
    return true;
}

bool Document::Close() {
    return QueryClose();
}

bool Document::OpenLast() {
    if (!settings_.autoOpen || settings_.lastDocument.IsEmpty()) return false;
    String name = settings_.lastDocument;
    return OpenByName(name, 0);
}

bool Document::OpenHistoryEntry(int32_t index) {
    if (index < 0 || index >= history_.Count()) return false;
    // The load rewrites the list; the name must outlive that.
    String name = history_.Entry(index);
    return OpenByName(name, 0);
}

bool Document::QueryClose() {
    if (open_ && IsModified()) {
        AskMessage message;
        message.caption = "Close";
        message.text = "Save changes to " +
                       (fileName_.IsEmpty() ? String("the document") : fileName_) + "?";
        message.buttons = kAskYesNoCancel;
        message.icon = AskIcon::Question;
        switch (TheAsk().ShowMessage(message)) {
            case kAskYes:
                if (!Save()) return false;
                break;
            case kAskNo:
                break;
            default:
                return false;
        }
    }
    CloseDocument();
    return true;
}

void Document::CloseDocument() {
    if (!open_) return;
    ReplaceText(String());
    savedText_.Clear();
    // During a load the lock already holds the incoming file.
    if (!loading_) lockFile_.Close();
    if (settings_.recordHistory) AddToHistory(fileName_);
    fileName_.Clear();
    timeStamp_ = DateTime();
    open_ = false;
    host_.DocumentNameChanged();
}

void Document::SetFileName(const String& name) {
    if (name != fileName_) {
        fileName_ = name;
        if (!name.IsEmpty()) {
            directory_ = DirectoryOf(name);
            settings_.lastDocument = name;
            if (settings_.recordHistory && history_.Remove(name)) host_.FileHistoryChanged();
        }
    }
    host_.DocumentNameChanged();
}

// ---- external changes ----

void Document::CheckExternalChange() {
    if (changeCheckInProgress_ || !open_ || !settings_.detectChanges ||
        !IsStampSet(timeStamp_) || !host_.CanAskUser()) {
        return;
    }
    DateTime current = File::TimeStamp(fileName_);
    if (!IsStampSet(current) || SameStamp(current, timeStamp_)) return;

    changeCheckInProgress_ = true;
    AskMessage message;
    message.caption = "Document Changed";
    message.text = String::Formatted(
        "Another program has modified the document \"%s\".  Do you want to reload it?",
        fileName_.c_str());
    message.buttons = AskButtonBit(kAskYes) | AskButtonBit(kAskNo);
    message.icon = AskIcon::Question;
    if (TheAsk().ShowMessage(message) == kAskYes) {
        Reload();
    } else {
        timeStamp_ = current;
    }
    TheWindowSystem().ProcessPendingMessages(kPendingMessageBudget);
    changeCheckInProgress_ = false;
}

bool Document::Reload() {
    if (!open_ || fileName_.IsEmpty()) return false;
    String name = fileName_;
    host_.RememberPosition();
    CloseDocument();
    if (!OpenByName(name, 0)) return false;
    host_.RestorePosition();
    return true;
}

// ---- options ----

void Document::ApplyLockFile() {
    if (!settings_.lockFile) {
        lockFile_.Close();
    } else if (open_ && !fileName_.IsEmpty()) {
        OpenLock(fileName_);
    }
}

void Document::ApplyDetectChanges() {
    if (settings_.detectChanges && open_ && !fileName_.IsEmpty()) {
        timeStamp_ = File::TimeStamp(fileName_);
    }
}

void Document::ApplyRecordHistory() {
    history_.Clear();
    host_.FileHistoryChanged();
}

// ---- history ----

void Document::AddToHistory(const String& name) {
    if (name.IsEmpty()) return;
    history_.Add(name);
    host_.FileHistoryChanged();
}

void Document::AddHistoryItems(Menu& menu) const {
    for (int32_t i = 0; i < history_.Count(); ++i) {
        String label = i < 9 ? String::Formatted("&%d ", i + 1) : String::Formatted("%d ", i + 1);
        label.Append(MenuSafe(history_.Entry(i)));
        menu.Add(label, kCmdFileHistoryFirst + i, history_.Entry(i));
    }
}
