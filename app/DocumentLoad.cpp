// Reading a document in and writing it back out.
#include "app/AppIdentity.h"
#include "app/Document.h"
#include "editbox/Editbox.h"
#include "platform/Ask.h"
#include "platform/FileSystem.h"
#include "platform/Window.h"

namespace {

// Reading with locking off must not disturb other programs that have the file open.
constexpr uint32_t kSharedRead =
    File::kOpenExisting | File::kNoWrite | File::kShareRead | File::kShareWrite;
// The lock keeps every other writer out but lets readers in: another copy of the
// editor can then still show the file, read-only, with a Lock Failure warning
// instead of refusing it outright.
constexpr uint32_t kLocked = File::kOpenExisting | File::kShareRead;

void ShowFailure(const String& caption, const String& text) {
    AskMessage message;
    message.caption = caption;
    message.text = text;
    message.icon = AskIcon::Error;
    TheAsk().ShowMessage(message);
}

}  // namespace

bool HasUnicodeMarker(const String& text) {
    return text.Length() >= 2 && uint8_t(text[0]) == 0xFF && uint8_t(text[1]) == 0xFE;
}

void ConvertUnicodeToBytes(String& text) {
    int32_t units = (text.Length() - 2) / 2;
    char* bytes = text.Data();
    for (int32_t i = 0; i < units; ++i) bytes[i] = bytes[2 + 2 * i];
    text.SetLength(units);
}

bool StripUtf8Signature(String& text) {
    if (text.Length() < 3 || uint8_t(text[0]) != 0xEF || uint8_t(text[1]) != 0xBB ||
        uint8_t(text[2]) != 0xBF) {
        return false;
    }
    text.Delete(0, 3);
    return true;
}

bool Document::OpenLock(const String& name) {
    return lockFile_.Open(name, kLocked) == kFileOk;
}

void Document::RelockCurrent() {
    lockFile_.Close();
    if (settings_.lockFile && open_ && !fileName_.IsEmpty()) OpenLock(fileName_);
}

bool Document::OpenByName(const String& name, int32_t caretOffset) {
    if (!LoadByName(name)) return false;
    if (caretOffset > 0) Box().SetCaret(caretOffset, true);
    return true;
}

bool Document::LoadByName(const String& name) {
    if (name.IsEmpty()) return false;
    const String& product = TheAppIdentity().productName;

    bool lockFailed = false;
    // A file on a slow share can take a while to answer.
    TheWindowSystem().ShowBusyCursor(true);
    FileError error = lockFile_.Open(name, settings_.lockFile ? kLocked : kSharedRead);
    if (settings_.lockFile && error == kFileLocked) {
        // Someone else holds the file; the user may still read it.
        error = lockFile_.Open(name, kSharedRead);
        lockFailed = error == kFileOk;
    }
    TheWindowSystem().ShowBusyCursor(false);
    if (error != kFileOk) {
        RelockCurrent();
        ShowFailure(product, String::Formatted("Unable to open file %s\r\n\r\n%s", name.c_str(),
                                               FileErrorText(error)));
        return false;
    }
    String fullName = lockFile_.Name();

    String text;
    if (!lockFile_.ReadAll(text)) {
        String reason = lockFile_.LastError();
        if (reason.IsEmpty()) reason = TheFileSystem().LastErrorText();
        RelockCurrent();
        ShowFailure(product, String::Formatted("Unable to load file %s\r\n\r\n%s", name.c_str(),
                                               reason.c_str()));
        return false;
    }

    // Unlocked, the handle has done its job; held open it would refuse the save that
    // the question below may make to this very file.
    if (!settings_.lockFile) lockFile_.Close();
    lastSavedName_.Clear();
    loading_ = true;
    bool previousClosed = QueryClose();
    loading_ = false;
    if (!previousClosed) {
        RelockCurrent();
        return false;
    }
    // The user saved the document over the file being loaded (it was dropped onto
    // itself): what was read before the question is stale.
    if (!lastSavedName_.IsEmpty() && SameFileName(lastSavedName_, fullName) &&
        ((!lockFile_.IsOpen() && lockFile_.Open(fullName, kSharedRead) != kFileOk) ||
         !lockFile_.ReadAll(text))) {
        String reason = lockFile_.LastError();
        if (reason.IsEmpty()) reason = TheFileSystem().LastErrorText();
        lockFile_.Close();
        ShowFailure(product, String::Formatted("Unable to load file %s\r\n\r\n%s", name.c_str(),
                                               reason.c_str()));
        return false;
    }

    bool converted = false;
    if (HasUnicodeMarker(text)) {
        AskMessage question;
        question.caption = "Unicode Detected";
        question.text =
            "This file contains 16-bit unicode.  Should it be converted to 8-bit ASCII?\r\n\r\n"
            "WARNING:  if you save the file after converting it, it will be saved as 8-bit "
            "ASCII.  The file is not altered unless it is saved.";
        question.buttons = AskButtonBit(kAskYes) | AskButtonBit(kAskNo);
        question.icon = AskIcon::Question;
        if (TheAsk().ShowMessage(question) == kAskYes) {
            ConvertUnicodeToBytes(text);
            converted = true;
        }
    }
    if (!converted) StripUtf8Signature(text);

    if (!settings_.lockFile) lockFile_.Close();

    TakeIntoBox(text);
    savedText_ = Box().Text();

    if (lockFailed) {
        AskMessage warning;
        warning.caption = "Lock Failure";
        warning.text =
            "The file is locked by another application, although it can still be opened.  "
            "Changes cannot be saved until the file is unlocked.";
        warning.icon = AskIcon::Warning;
        TheAsk().ShowMessage(warning);
    }

    open_ = true;
    SetFileName(fullName);
    if (settings_.detectChanges) timeStamp_ = File::TimeStamp(fullName);
    return true;
}

bool Document::SaveTo(const String& name) {
    if (!open_) return false;
    const String& text = Box().Text();
    String fullName = FullName(name);
    bool ok;
    String reason;
    // A locked document can only be written through the handle that locks it.
    if (settings_.lockFile && lockFile_.IsOpen() && SameFileName(lockFile_.Name(), fullName)) {
        ok = lockFile_.Seek(0) && lockFile_.Write(text) && lockFile_.SetEnd();
        if (!ok) {
            reason = lockFile_.LastError();
            if (reason.IsEmpty()) reason = TheFileSystem().LastErrorText();
        }
    } else {
        FileError error = File::WriteAll(fullName, text.c_str(), text.Length());
        ok = error == kFileOk;
        if (!ok) reason = FileErrorText(error);
    }
    if (!ok) {
        ShowFailure("Save Error", String::Formatted("Unable to save file '%s'\r\n\r\n%s",
                                                    name.c_str(), reason.c_str()));
        return false;
    }
    savedText_ = text;
    lastSavedName_ = fullName;
    return true;
}
