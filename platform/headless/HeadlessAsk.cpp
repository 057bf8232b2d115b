#include "platform/headless/HeadlessAsk.h"

#include <cstdlib>

#include "platform/FileSystem.h"
#include "ui/Dialog.h"
#include "ui/PagedDialog.h"

namespace {

AskButton FirstOffered(uint32_t buttons) {
    for (int32_t b = kAskOk; b <= kAskNo; ++b) {
        if (buttons & (1u << b)) return AskButton(b);
    }
    return kAskOk;
}

}  // namespace

AskButton HeadlessAsk::ShowMessage(const AskMessage& message) {
    AskedQuestion& q = asked_.emplace_back();
    q.kind = AskKind::Message;
    q.caption = message.caption;
    q.text = message.text;
    q.buttons = message.buttons;
    q.defaultButton = message.defaultButton;
    q.icon = message.icon;
    q.choices = message.choices;
    q.taskModal = message.taskModal;
    q.topmost = message.topmost;
    if (!answers_.empty()) {
        AskButton button = answers_.front().button;
        answers_.pop_front();
        if (button != kAskNone) return button;
    }
    if (message.defaultButton != kAskNone) return message.defaultButton;
    if (message.choices.Count() > 0) return message.choices[0].result;
    return FirstOffered(message.buttons);
}

bool HeadlessAsk::TakeText(String& text) {
    if (answers_.empty()) return false;
    Answer answer = answers_.front();
    answers_.pop_front();
    if (answer.cancel) return false;
    text = answer.text;
    return true;
}

namespace {

bool HasExtension(const String& name) {
    return name.Find('.', name.FindLastOf("\\/") + 1) >= 0;
}

}  // namespace

// As the platform's dialogs do with a default extension: Save adds it to a name typed
// without one; Open adds it when the name as typed does not exist but the longer one does.
bool HeadlessAsk::AskFileName(AskKind kind, FileDialogRequest& request) {
    AskedQuestion question{kind, request.caption, request.filter};
    question.defaultExtension = request.defaultExtension;
    asked_.push_back(question);
    if (!TakeText(request.fileName)) return false;
    if (request.defaultExtension.IsEmpty() || HasExtension(request.fileName)) return true;
    String longer = request.fileName + "." + request.defaultExtension;
    if (kind == AskKind::SaveFile ||
        (TheFileSystem().Attributes(request.fileName) < 0 && TheFileSystem().Attributes(longer) >= 0)) {
        request.fileName = longer;
    }
    return true;
}

bool HeadlessAsk::AskOpenFileName(FileDialogRequest& request) {
    return AskFileName(AskKind::OpenFile, request);
}

bool HeadlessAsk::AskSaveFileName(FileDialogRequest& request) {
    return AskFileName(AskKind::SaveFile, request);
}

AskButton HeadlessAsk::RunDialog(Dialog& dialog, const DialogRun& options) {
    AskedQuestion& q = asked_.emplace_back();
    q.kind = AskKind::Dialog;
    q.caption = dialog.Title();
    q.dialog = std::make_shared<const Dialog>(dialog);
    q.dialogButtons = options.buttons;
    AskButton fallback = options.buttons.empty() ? kAskOk : options.buttons.front();
    if (answers_.empty()) return fallback;
    Answer answer = answers_.front();
    answers_.pop_front();
    if (answer.script) answer.script(dialog);
    return answer.button != kAskNone ? answer.button : fallback;
}

namespace {

void CollectPaths(const PagedDialogNode& node, std::vector<String>& paths) {
    for (const PagedDialogNode& child : node.children) {
        paths.push_back(child.path);
        CollectPaths(child, paths);
    }
}

}  // namespace

AskButton HeadlessAsk::RunPagedDialog(PagedDialog& paged, const DialogRun& options) {
    AskedQuestion& q = asked_.emplace_back();
    q.kind = AskKind::PagedDialog;
    q.caption = paged.Title();
    CollectPaths(paged.Tree(), q.pagePaths);
    q.initialPath = paged.initialPath;
    q.dialogButtons = options.buttons;
    AskButton fallback = options.buttons.empty() ? kAskOk : options.buttons.front();
    if (answers_.empty()) return fallback;
    Answer answer = answers_.front();
    answers_.pop_front();
    if (answer.pagedScript) answer.pagedScript(paged);
    return answer.button != kAskNone ? answer.button : fallback;
}

void HeadlessAsk::QueueButton(AskButton button) {
    answers_.push_back({button, String(), false});
}

void HeadlessAsk::QueueText(const String& text) {
    answers_.push_back({kAskNone, text, false});
}

void HeadlessAsk::QueueCancel() {
    answers_.push_back({kAskNone, String(), true});
}

void HeadlessAsk::QueueDialog(DialogScript script, AskButton button) {
    Answer answer;
    answer.button = button;
    answer.script = std::move(script);
    answers_.push_back(std::move(answer));
}

void HeadlessAsk::QueuePagedDialog(PagedDialogScript script, AskButton button) {
    Answer answer;
    answer.button = button;
    answer.pagedScript = std::move(script);
    answers_.push_back(std::move(answer));
}

void HeadlessAsk::Reset() {
    answers_.clear();
    asked_.clear();
}

HeadlessAsk& TheHeadlessAsk() {
    static HeadlessAsk ask;
    return ask;
}
