#include "app/AppMain.h"

#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "app/FrameworkSettings.h"
#include "app/MainWindow.h"
#include "core/Config.h"
#include "core/Fatal.h"
#include "core/Settings.h"
#include "platform/Ask.h"
#include "platform/Window.h"

namespace {

constexpr int32_t kStartMessageBudget = 100;

void FailOnCommandLine(const CommandLineResult& result) {
    Fatal(CommandLineErrorFormat(result.error), result.token.c_str());
}

void ShowPopup(const String& text) {
    AskMessage message;
    message.caption = String::Formatted("%s Popup", TheAppIdentity().productName.c_str());
    message.text = text;
    TheAsk().ShowMessage(message);
}

void Jump(MainWindow& window, const StartRequest& request) {
    Editbox& editbox = window.GetEditbox();
    if (request.jumpLine >= 0) {
        int32_t line = request.jumpLine > 0 ? request.jumpLine - 1 : 0;
        TextBox& box = editbox.Box();
        box.EnsureLayout(line, 0);
        int32_t start = box.LineStart(line);
        if (start < 0) start = editbox.GetTextLength();  // past the end: the last position
        editbox.SetCaret(start, true);
    }
    if (request.jumpOffset >= 0) {
        int32_t offset = request.jumpOffset;
        if (offset > editbox.GetTextLength()) offset = editbox.GetTextLength();
        editbox.SetCaret(offset, true);
    }
}

void PerformAction(MainWindow& window, const StartRequest& request) {
    switch (request.action) {
        case StartAction::PrintWithDialog:
        case StartAction::PrintDirectly:
            if (window.GetEditbox().GetTextLength() == 0) {
                ShowMessage(TheAppIdentity().productName, "Cannot print empty document!");
            }
            // A document with text is handed to printing by its commands, 16000 and
            // 16003, once the print path is part of the program.
            break;
        case StartAction::Associate:
        case StartAction::Uninstall:
            // The registry work of these requests belongs to shell integration; the
            // run they stand for ends with the window closing either way.
            if (window.Host()) window.Host()->Close();
            break;
        case StartAction::None:
            break;
    }
}

}  // namespace

void ReportFatalToUser(const char* message) {
    TheWindowSystem().ShowArrowCursor();
    AskMessage box;
    box.caption = "FATAL ERROR - " + TheAppIdentity().productName;
    box.text = message;
    box.icon = AskIcon::Error;
    box.taskModal = true;
    box.topmost = true;
    TheAsk().ShowMessage(box);
}

int NivoraMain(const String& commandLine) {
    const AppIdentity identity = NivoraIdentity();
    SetAppIdentity(identity);
    SetFatalHook(&ReportFatalToUser);

    if (!TheWindowSystem().RegisterFrameClass(identity.windowClassName)) {
        Fatal("Failed to register window class '%s'", identity.windowClassName.c_str());
    }

    StartRequest request;
    CommandLineResult parsed = ParseCommandLine(commandLine, request);
    if (parsed.error != CommandLineError::None) FailOnCommandLine(parsed);
    if (request.popup) {
        ShowPopup(request.popupText);
        return 0;
    }

    // The framework's own settings come in before the window that uses them.
    StartFrameworkSettings();
    auto window = std::make_unique<MainWindow>();
    window->SetSettingsFile(GlobalsIniPath());
    if (!window->Create(identity.windowClassName)) {
        Fatal("Failed to create window '%s'", identity.windowClassName.c_str());
    }
    if (request.openLast) request.fileName = window->LastDocument();
    request.fileName.Trim();
    // The command line keeps a quoted name's quotes; the file system does not want them.
    if (request.fileName.Length() >= 2 && request.fileName[0] == '"' &&
        request.fileName[request.fileName.Length() - 1] == '"') {
        request.fileName = request.fileName.Mid(1, request.fileName.Length() - 2);
        request.fileName.Trim();
    }
    if (!window->OpenDocument(request.fileName) && request.keepActionOnLoadFailure) {
        request.action = StartAction::None;
    }
    if (request.showWindow) window->Host()->Show();
    TheWindowSystem().ProcessPendingMessages(kStartMessageBudget);
    Jump(*window, request);
    PerformAction(*window, request);
    if (window->Host()->Exists()) TheWindowSystem().RunMessageLoop(*window->Host(), *window);
    window.reset();
    StopFrameworkSettings();
    return 0;
}
