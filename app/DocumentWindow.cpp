#include "app/DocumentWindow.h"

#include "platform/Ask.h"

DocumentWindow::DocumentWindow(const String& productName) : productName_(productName) {}

DocumentWindow::~DocumentWindow() {
    // The host calls back into us while it goes away; do that while we are whole.
    if (host_ && host_->Exists()) host_->Destroy();
    host_.reset();
}

bool DocumentWindow::Create(const String& className) {
    host_ = TheWindowSystem().CreateFrame(*this, className, productName_);
    if (!host_) return false;
    OnFrameCreated();
    return true;
}

bool DocumentWindow::QueryClose() {
    if (!documentOpen_ || !IsModified()) return true;
    String name = fileName_.IsEmpty() ? String("the document") : fileName_;
    AskMessage message;
    message.caption = "Close";
    message.text = "Save changes to " + name + "?";
    message.buttons = kAskYesNoCancel;
    message.icon = AskIcon::Question;
    switch (TheAsk().ShowMessage(message)) {
        case kAskYes:
            // An unnamed document has nowhere to go until the user names it, which
            // only a Save As can do; without one the close is off.
            return !fileName_.IsEmpty() && Save(fileName_);
        case kAskNo:
            return true;
        default:
            return false;
    }
}

void DocumentWindow::Activate(bool) {}

bool DocumentWindow::Command(int32_t command) {
    if (command == kCmdExit) {
        if (host_) host_->Close();
        return true;
    }
    return false;
}

void DocumentWindow::WindowCreated() {}

bool DocumentWindow::IsModified() const {
    return false;
}

// The framework window holds no document kind of its own; windows that do, load it.
bool DocumentWindow::Load(const String&) {
    return false;
}

bool DocumentWindow::Save(const String&) {
    return false;
}

void DocumentWindow::UpdateTaskBarTitle() {
    if (!host_) return;
    if (!documentOpen_ || fileName_.IsEmpty()) {
        host_->SetTaskBarTitle(productName_);
    } else {
        host_->SetTaskBarTitle(TaskBarName(fileName_) + "-" + productName_);
    }
}

void DocumentWindow::DocumentClosed() {}

void DocumentWindow::RememberPosition() {}

void DocumentWindow::RestorePosition() {}

void DocumentWindow::BuildOptionsMenu(Menu&) {}

bool DocumentWindow::OpenDocument(const String& fileName) {
    if (fileName.IsEmpty()) {
        if (documentOpen_) CloseDocument();
        documentOpen_ = true;
        UpdateCaption();
        return true;
    }
    if (!Load(fileName)) return false;
    SetFileName(fileName);
    lastDocument_ = fileName;
    documentOpen_ = true;
    UpdateCaption();
    return true;
}

void DocumentWindow::CloseDocument() {
    if (!documentOpen_) return;
    DocumentClosed();
    documentOpen_ = false;
    fileName_ = String();
    directory_ = String();
    timeStamp_ = DocumentTimeStamp();
    UpdateCaption();
}

String DocumentWindow::CaptionText() const {
    if (!documentOpen_ || fileName_.IsEmpty()) return productName_;
    return productName_ + " - " + (fullPathOnCaption_ ? fileName_ : FileNamePart(fileName_));
}

void DocumentWindow::UpdateCaption() {
    if (!host_) return;
    host_->SetCaption(CaptionText());
    UpdateTaskBarTitle();
}

void DocumentWindow::SetFullPathOnCaption(bool on) {
    fullPathOnCaption_ = on;
    UpdateCaption();
}

void DocumentWindow::SetFileName(const String& fullPath) {
    fileName_ = fullPath;
    int32_t cut = fullPath.Length() - FileNamePart(fullPath).Length();
    directory_ = fullPath.Left(cut);
    if (!directory_.IsEmpty() && directory_[directory_.Length() - 1] != '\\') {
        directory_.Append('\\');
    }
}

void DocumentWindow::OnFrameCreated() {
    WindowCreated();
    UpdateCaption();
}

void DocumentWindow::OnFrameCommand(int32_t command) {
    Command(command);
}

bool DocumentWindow::OnFrameQueryClose() {
    return QueryClose();
}

void DocumentWindow::OnFrameActivate(bool active) {
    Activate(active);
}

void DocumentWindow::OnFrameDestroyed() {
    CloseDocument();
}

bool DocumentWindow::OnFrameIdle() {
    return false;
}

void DocumentWindow::OnMenuOpening() {}

void DocumentWindow::OnMenuHighlight(int32_t) {}

void DocumentWindow::OnFilesDropped(const std::vector<String>&) {}

void DocumentWindow::OnStatusBarResized() {}

void DocumentWindow::OnFrameTimer(int32_t) {}

String FileNamePart(const String& fullPath) {
    int32_t slash = fullPath.FindLastOf("\\/");
    return slash < 0 ? fullPath : fullPath.Mid(slash + 1);
}

String TaskBarName(const String& fullPath) {
    String name = FileNamePart(fullPath);
    int32_t dot = name.FindLastOf(".");
    if (dot > 0) name = name.Left(dot);
    String result;
    bool wordStart = true;
    for (int32_t i = 0; i < name.Length(); ++i) {
        char c = name[i];
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter) {
            c = wordStart ? (c >= 'a' ? char(c - 32) : c) : FoldCase(c);
        }
        result.Append(c);
        wordStart = c == ' ' || c == '\t';
    }
    return result;
}
