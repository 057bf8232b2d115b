#include "app/DocumentWindow.h"

#include "platform/Ask.h"

DocumentWindow::DocumentWindow(const String& productName)
    : productName_(productName), document_(*this) {}

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
    return document_.QueryClose();
}

void DocumentWindow::Activate(bool becomingActive) {
    if (becomingActive) document_.CheckExternalChange();
}

bool DocumentWindow::Command(int32_t command) {
    switch (command) {
        case kCmdExit:
            if (host_) host_->Close();
            return true;
        case kCmdNewDocument: document_.New(); return true;
        case kCmdOpenDocument: document_.Open(); return true;
        case kCmdSaveDocument: document_.Save(); return true;
        case kCmdSaveDocumentAs: document_.SaveAs(); return true;
        case kCmdCloseDocument: document_.Close(); return true;
        case kCmdOpenLastDocument: document_.OpenLast(); return true;
        case kCmdDetectChanges: document_.ApplyDetectChanges(); return true;
        default: break;
    }
    if (command >= kCmdFileHistoryFirst && command < kCmdFileHistoryEnd) {
        document_.OpenHistoryEntry(command - kCmdFileHistoryFirst);
        return true;
    }
    return false;
}

void DocumentWindow::WindowCreated() {}

bool DocumentWindow::IsModified() const {
    return document_.IsModified();
}

bool DocumentWindow::Load(const String& fileName) {
    return document_.OpenByName(fileName, 0);
}

bool DocumentWindow::Save(const String& fileName) {
    return document_.SaveTo(fileName);
}

void DocumentWindow::UpdateTaskBarTitle() {
    if (!host_) return;
    if (!document_.IsOpen() || document_.FileName().IsEmpty()) {
        host_->SetTaskBarTitle(productName_);
    } else {
        host_->SetTaskBarTitle(TaskBarName(document_.FileName()) + "-" + productName_);
    }
}

void DocumentWindow::RememberPosition() {}

void DocumentWindow::RestorePosition() {}

void DocumentWindow::BuildOptionsMenu(Menu&) {}

bool DocumentWindow::OpenDocument(const String& fileName) {
    if (fileName.IsEmpty()) {
        if (!document_.IsOpen()) document_.StartUntitled();
        return true;
    }
    return Load(fileName);
}

void DocumentWindow::CloseDocument() {
    document_.CloseDocument();
}

String DocumentWindow::CaptionText() const {
    const String& name = document_.FileName();
    if (!document_.IsOpen() || name.IsEmpty()) return productName_;
    return productName_ + " - " + (options_.fullPath ? name : FileNamePart(name));
}

void DocumentWindow::UpdateCaption() {
    if (!host_) return;
    host_->SetCaption(CaptionText());
    UpdateTaskBarTitle();
}

void DocumentWindow::SetFullPathOnCaption(bool on) {
    options_.fullPath = on;
    UpdateCaption();
}

void DocumentWindow::DocumentNameChanged() {
    UpdateCaption();
}

// A hidden window (still being created, or on its way out) cannot put a question in
// front of the user; the check runs again at the next activation.
bool DocumentWindow::CanAskUser() {
    return host_ && host_->Exists() && host_->IsVisible();
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

// Only one document fits the window: the first file dropped is the one opened.
void DocumentWindow::OnFilesDropped(const std::vector<String>& fileNames) {
    if (!fileNames.empty()) Load(fileNames.front());
}

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
