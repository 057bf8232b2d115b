// Scripted answers for tests. Each question is recorded with its exact texts; the
// answer comes from the queue, or is the box's default when nothing is queued.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Ask.h"

class Dialog;
class PagedDialog;

enum class AskKind { Message, OpenFile, SaveFile, Dialog, PagedDialog };

struct AskedQuestion {
    AskKind kind = AskKind::Message;
    String caption;
    String text;  // message text, or a file dialog's filter
    uint32_t buttons = 0;
    AskButton defaultButton = kAskNone;
    AskIcon icon = AskIcon::None;
    Array<AskChoice> choices{};  // labelled buttons, with their tips
    bool taskModal = false;
    bool topmost = false;
    String defaultExtension{};  // of a file dialog
    // A dialog as it was shown, before the scripted user touched it; its title is
    // also the caption.
    std::shared_ptr<const Dialog> dialog{};
    std::vector<AskButton> dialogButtons{};
    // A paged dialog's tree: every node's path, depth first, and the page it opened at.
    std::vector<String> pagePaths{};
    String initialPath{};
};

// What the scripted user does in a dialog before pressing the button: edits through
// the dialog's setters, or writes a control and calls ControlChanged as a host does.
using DialogScript = std::function<void(Dialog&)>;
// The same for a paged dialog: visits pages through Page and edits their Dialogs.
using PagedDialogScript = std::function<void(PagedDialog&)>;

class HeadlessAsk : public Ask {
public:
    AskButton ShowMessage(const AskMessage& message) override;
    bool AskOpenFileName(FileDialogRequest& request) override;
    bool AskSaveFileName(FileDialogRequest& request) override;
    // The next queued dialog answer, or the dialog's first button untouched.
    AskButton RunDialog(Dialog& dialog, const DialogRun& options) override;
    AskButton RunPagedDialog(PagedDialog& paged, const DialogRun& options) override;

    void QueueButton(AskButton button);
    // File dialogs: a queued text is typed in and confirmed; a queued cancel
    // (QueueCancel) leaves the dialog unanswered.
    void QueueText(const String& text);
    void QueueCancel();
    // The next dialog is edited by `script` (may be empty) and ended with `button`.
    void QueueDialog(DialogScript script, AskButton button);
    void QueuePagedDialog(PagedDialogScript script, AskButton button);

    const std::vector<AskedQuestion>& Asked() const { return asked_; }
    void Reset();

private:
    struct Answer {
        AskButton button = kAskNone;
        String text;
        bool cancel = false;
        DialogScript script{};
        PagedDialogScript pagedScript{};
    };
    bool TakeText(String& text);
    bool AskFileName(AskKind kind, FileDialogRequest& request);

    std::deque<Answer> answers_;
    std::vector<AskedQuestion> asked_;
};

HeadlessAsk& TheHeadlessAsk();
