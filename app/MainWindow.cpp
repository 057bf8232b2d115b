#include "app/MainWindow.h"

#include "app/AppIdentity.h"
#include "app/MenuHelp.h"
#include "app/OptionsCharacterSets.h"
#include "app/ResizeWindow.h"
#include "app/SettingsEditorWindow.h"
#include "ui/SettingsEditor.h"
#include "core/FormatNumbers.h"
#include "platform/Ask.h"
#include "ui/EditboxKeys.h"

namespace {

constexpr int32_t kStatusFieldChars = 16;

}  // namespace

MainWindow::MainWindow()
    : DocumentWindow(TheAppIdentity().productName),
      editbox_(1 | kEditboxMultiLine | kEditboxTabs) {
    editbox_.SetKind(3);
    editbox_.SetOwner(this);
    document_.SetEditbox(&editbox_);
}

MainWindow::~MainWindow() {
    // The window goes before the editbox it shows.
    if (Host() && Host()->Exists()) Host()->Destroy();
    editbox_.SetOwner(nullptr);
}

bool MainWindow::QueryClose() {
    return DocumentWindow::QueryClose();
}

bool MainWindow::Command(int32_t command) {
    switch (command) {
        case kCmdAbout:
            ShowAbout();
            return true;
        case kCmdEditWordWrap:
        case kCmdEditInsertMode:
        case kCmdEditFixedPitch:
            EditboxCommand(editbox_, command);
            return true;
        case kCmdFullPathOnCaption:
            UpdateCaption();
            return true;
        case kCmdLockFile:
            document_.ApplyLockFile();
            return true;
        case kCmdRecordHistory:
            document_.ApplyRecordHistory();
            return true;
        case kCmdRefreshStatusBar:
            RefreshStatusFields();
            return true;
        case kCmdStatusBarShown:
            ApplyStatusBarShown();
            return true;
        case kCmdResizeWindow:
            if (Host()) ResizeWindow(*Host());
            return true;
        case kCmdToolbarShown:
            if (Host()) Host()->SetToolbar(options_.toolbarShown ? &toolbar_ : nullptr);
            return true;
        default:
            break;
    }
    if (command >= kCmdSettingsAll && command < kCmdSettingsSectionEnd) {
        EditSettings(command);
        return true;
    }
    if (options_.SelectCharacterSet(command)) {
        options_.ApplyCharacterSet(editbox_);
        return true;
    }
    if (DocumentWindow::Command(command)) return true;
    // The rest of the editbox's commands reach it from the Edit menu and toolbar.
    if (EditboxCommand(editbox_, command)) return true;
    return false;
}

void MainWindow::WindowCreated() {
    LoadSettings();
    if (options_.windowPosKnown) Host()->SetPlacement(options_.windowPos);
    BuildMenus();
    BuildToolbar();
    if (options_.statusBarShown) BuildStatusBar();
    editbox_.RefreshSettings();
    options_.ApplyCharacterSet(editbox_);
    Host()->AttachEditbox(editbox_);
    Host()->AddShortcut(kKeyF1 + 3, kModCtrl, kCmdExit);
    Host()->AddShortcut('O', kModCtrl, kCmdOpenDocument);
    Host()->AddShortcut('S', kModCtrl, kCmdSaveDocument);
    Host()->AcceptDroppedFiles(true);
    RefreshToolbarEnabling();
    RefreshStatusFields();
    if (document_.Settings().autoOpen) document_.OpenLast();
}

void MainWindow::EditSettings(int32_t command) {
    String section;
    if (command > kCmdSettingsAll) {
        const SettingsSection tree = BuildSettingsTree();
        size_t n = size_t(command - kCmdSettingsSectionFirst);
        if (n >= tree.children.size()) return;
        section = tree.children[n].path;
    }
    if (!RunSettingsEditor(section)) return;
    // The editbox's copies of the settings were brought up to date; it redraws with
    // them, in the character set chosen here rather than the framework's.
    editbox_.RefreshSettings();
    options_.ApplyCharacterSet(editbox_);
}

void MainWindow::LoadSettings() {
    if (!settingsFile_.IsEmpty()) options_.Load(editbox_, document_, settingsFile_);
}

void MainWindow::SaveSettings() {
    if (settingsFile_.IsEmpty()) return;
    WindowPlacement placement;
    if (Host() && Host()->GetPlacement(placement)) {
        options_.windowPos = placement;
        options_.windowPosKnown = true;
    }
    options_.RecordToolbar(toolbar_);
    options_.Save(editbox_, document_, settingsFile_);
}

// The document is closed first so that it enters the history that is then saved.
void MainWindow::OnFrameDestroyed() {
    DocumentWindow::OnFrameDestroyed();
    SaveSettings();
}

void MainWindow::FileHistoryChanged() {
    for (int32_t i = 0; i < menuBar_.Count(); ++i) {
        const MenuItem& top = menuBar_.Item(i);
        if (!top.submenu || top.label != "&File") continue;
        *top.submenu = Menu(top.label);
        BuildFileMenu(*top.submenu);
        if (Host()) Host()->RefreshMenuBar();
    }
}

void MainWindow::RememberPosition() {
    rememberedCaret_ = editbox_.Caret();
    rememberedTopLine_ = editbox_.TopLine();
}

void MainWindow::RestorePosition() {
    editbox_.ScrollToLine(rememberedTopLine_);
    editbox_.SetCaret(rememberedCaret_, false);
}

void MainWindow::BuildOptionsMenu(Menu& menu) {
    options_.BuildMenu(menu, document_);
}

void MainWindow::BuildFileMenu(Menu& file) {
    file.Add("&New document", kCmdNewDocument);
    file.Add("&Open document\tCtrl+O", kCmdOpenDocument);
    file.Add("&Save document\tCtrl+S", kCmdSaveDocument);
    file.Add("Save document &as", kCmdSaveDocumentAs);
    file.Add("&Close document", kCmdCloseDocument);
    if (document_.History().Count() > 0) {
        file.AddSeparator();
        document_.AddHistoryItems(file);
    }
    file.AddSeparator();
    file.Add("E&xit\tCtrl+F4", kCmdExit);
}

void MainWindow::BuildMenus() {
    menuBar_ = Menu();
    Menu& file = menuBar_.AddSubmenu("&File");
    BuildFileMenu(file);
    Menu& edit = menuBar_.AddSubmenu("&Edit");
    BuildEditboxMenu(editbox_, edit);
    Menu& options = menuBar_.AddSubmenu("&Options");
    BuildOptionsMenu(options);
    Menu& help = menuBar_.AddSubmenu("&Help");
    help.Add("&About", kCmdAbout);
    if (Host()) Host()->SetMenuBar(&menuBar_);
}

// Menus are rebuilt as they open: the editbox entries and their wording follow the
// selection and the clipboard at that moment.
void MainWindow::OnMenuOpening() {
    for (int32_t i = 0; i < menuBar_.Count(); ++i) {
        const MenuItem& top = menuBar_.Item(i);
        if (!top.submenu) continue;
        if (top.label == "&Edit") {
            *top.submenu = Menu(top.label);
            BuildEditboxMenu(editbox_, *top.submenu);
        } else if (top.label == "&Options") {
            *top.submenu = Menu(top.label);
            BuildOptionsMenu(*top.submenu);
        }
    }
}

// An option item flips its flag first; its command then applies the new value, which
// is also what loading the settings asks for without flipping anything.
void MainWindow::OnFrameCommand(int32_t command) {
    options_.Toggle(command, document_);
    Command(command);
}

void MainWindow::OnMenuHighlight(int32_t command) {
    if (!Host()) return;
    if (command == 0) {
        Host()->ShowStatusHelp(String());
        return;
    }
    const char* text = MenuHelpText(command);
    Host()->ShowStatusHelp(text ? String(text) : String(" "));
}

namespace {

// The full button list in its order; 0 marks a separator. Buttons whose features are
// not built yet are left out, so that every button does something.
struct ToolbarEntry {
    int32_t command;
    const char* name;
    const char* help;
    bool needsText;  // enabled only while the document holds a character
    ToolbarImage image;
};

const ToolbarEntry kToolbarEntries[] = {
    {kCmdNewDocument, "New", "Create a new document.", true, ToolbarImage::kNew},
    {kCmdOpenDocument, "Open", "Open a document (Ctrl+O).", false, ToolbarImage::kOpen},
    {kCmdSaveDocument, "Save", "Save the document back to its file (Ctrl+S).", false, ToolbarImage::kSave},
    {kCmdSaveDocumentAs, "Save As", "Save the document to a different file.", false, ToolbarImage::kSaveAs},
    {kCmdCloseDocument, "Close", "Close the document.", true, ToolbarImage::kClose},
    {0, nullptr, nullptr, false, ToolbarImage::kNone},
    {kCmdEditCut, "Cut", "Cut the currently selected text to the clipboard (Ctrl+X).", true, ToolbarImage::kCut},
    {kCmdEditCopy, "Copy", "Copy the currently selected text to the clipboard (Ctrl+C).",
     true, ToolbarImage::kCopy},
    {kCmdEditPaste, "Paste", "Paste the text in the clipboard (Ctrl+V).", false, ToolbarImage::kPaste},
    {0, nullptr, nullptr, false, ToolbarImage::kNone},
    {kCmdEditUndo, "Undo", "Undo the last change (Ctrl+Z).", false, ToolbarImage::kUndo},
    {kCmdEditAlphabetize, "Alphabetize Paragraphs", "Alphabetize the document's paragraphs.",
     true, ToolbarImage::kAlphabetize},
    {kCmdEditDiscardDuplicates, "Discard Duplicate Paragraphs",
     "Discard duplicate paragraphs, so that every paragraph is unique.", true, ToolbarImage::kDiscardDuplicates},
    {kCmdEditIndentWithSpace, "Indent/Space", "Indent the selection with a space.",
     true, ToolbarImage::kIndentSpace},
    {kCmdEditIndentWithTab, "Indent/Tab", "Indent the selection with a tab.", true, ToolbarImage::kIndentTab},
    {kCmdEditNormalizeSpaces, "Normalize Spaces",
     "Reduce multiple spaces into a single space.  Two spaces will follow a period.",
     true, ToolbarImage::kNormalizeSpaces},
    {kCmdEditRandomize, "Randomize Paragraphs", "Randomize the order of the document's paragraphs.",
     true, ToolbarImage::kRandomize},
    {kCmdEditReverseParagraphs, "Reverse Paragraphs", "Reverse the order of the document's paragraphs.",
     true, ToolbarImage::kReverseParagraphs},
    {kCmdEditReverseCharacters, "Reverse Characters", "Reverse the order of the document's characters.",
     true, ToolbarImage::kReverseCharacters},
    {kCmdEditTrimTrailingSpaces, "Trim Trailing Spaces", "Discard all spaces and tabs from the end of each line.",
     true, ToolbarImage::kTrimTrailingSpaces},
    {kCmdEditUnindent, "Unindent", "Unindent the current selection.", true, ToolbarImage::kUnindent},
};

}  // namespace

void MainWindow::BuildToolbar() {
    toolbar_ = Toolbar();
    for (const ToolbarEntry& entry : kToolbarEntries) {
        if (entry.command == 0) {
            toolbar_.AddSeparator();
        } else {
            toolbar_.AddButton(entry.command, entry.name, entry.help, entry.image);
        }
    }
    toolbar_ = options_.ArrangeToolbar(toolbar_);
    if (Host() && options_.toolbarShown) Host()->SetToolbar(&toolbar_);
}

void MainWindow::BuildStatusBar() {
    statusBar_ = StatusBar();
    statusBar_.AddField(kStatusFieldChars, "Caret Line/Total Lines");
    statusBar_.AddField(kStatusFieldChars, "Caret Column/Line Length");
    RefreshStatusFields();
    if (Host()) Host()->SetStatusBar(&statusBar_);
}

void MainWindow::ApplyStatusBarShown() {
    if (options_.statusBarShown) {
        BuildStatusBar();
    } else if (Host()) {
        Host()->SetStatusBar(nullptr);
    }
}

String MainWindow::StatusFigures(int32_t first, int32_t second) {
    return String::Formatted("%s / %s", FormatGroupedInteger(first).c_str(),
                             FormatGroupedInteger(second).c_str());
}

void MainWindow::RefreshStatusFields() {
    if (!options_.statusBarShown || statusBar_.Count() < 2) return;
    EditboxStatus status = editbox_.GetStatus();
    bool changed = statusBar_.SetText(0, StatusFigures(status.caretLine, status.lineCount));
    changed |= statusBar_.SetText(1, StatusFigures(status.caretColumn, status.lineLength));
    if (changed && Host()) Host()->RefreshStatusBar();
}

// Every way a name arrives (the command line, a drop, the last document, a reload)
// ends here; Save's button follows the name.
void MainWindow::DocumentNameChanged() {
    DocumentWindow::DocumentNameChanged();
    RefreshToolbarEnabling();
}

void MainWindow::RefreshToolbarEnabling() {
    bool hasText = editbox_.GetTextLength() > 0;
    bool changed = false;
    for (const ToolbarEntry& entry : kToolbarEntries) {
        if (entry.needsText) changed |= toolbar_.SetEnabled(entry.command, hasText);
    }
    changed |= toolbar_.SetEnabled(kCmdSaveDocument, !FileName().IsEmpty());
    changed |= toolbar_.SetEnabled(kCmdEditUndo, editbox_.CanUndo());
    if (changed && Host()) Host()->RefreshToolbar();
}

void MainWindow::OnStatusBarResized() {
    if (Host()) Host()->PostCommand(kCmdRefreshStatusBar);
}

void MainWindow::ShowAbout() {
    const AppIdentity& id = TheAppIdentity();
    AskMessage message;
    message.caption = "About";
    message.text = String::Formatted("%s v%s", id.productName.c_str(), id.version.c_str()) +
                   "\r\n\r\nA plain-text editor.\r\nCopyright Ostrelin. All rights reserved.\r\n" +
                   id.homePage;
    message.icon = AskIcon::Information;
    TheAsk().ShowMessage(message);
}

void MainWindow::EditboxAboutToChange(Editbox&) {
    document_.TextAboutToChange();
}

void MainWindow::EditboxChanged(Editbox&) {
    RefreshToolbarEnabling();
    RefreshStatusFields();
}

bool MainWindow::EditboxCaretMayNotMove(Editbox&, int32_t) {
    return false;
}

void MainWindow::EditboxCaretMoved(Editbox&) {
    RefreshStatusFields();
}

void MainWindow::EditboxFixedPitchToggled(Editbox&) {}
