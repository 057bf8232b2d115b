// Scripted answers for tests. Each question is recorded with its exact texts; the
// answer comes from the queue, or is the box's default when nothing is queued.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "platform/Ask.h"

enum class AskKind { Message, Number, String, OpenFile, SaveFile };

struct AskedQuestion {
    AskKind kind = AskKind::Message;
    String caption;
    String text;  // message text or prompt
    uint32_t buttons = 0;
    AskButton defaultButton = kAskNone;
    AskIcon icon = AskIcon::None;
    Array<AskChoice> choices{};  // labelled buttons, with their tips
    bool taskModal = false;
    bool topmost = false;
    String defaultExtension{};  // of a file dialog
};

class HeadlessAsk : public Ask {
public:
    AskButton ShowMessage(const AskMessage& message) override;
    bool AskNumber(const String& caption, const String& prompt, int32_t& value) override;
    bool AskString(const String& caption, const String& prompt, String& value) override;
    bool AskOpenFileName(FileDialogRequest& request) override;
    bool AskSaveFileName(FileDialogRequest& request) override;

    void QueueButton(AskButton button);
    // Prompts and file dialogs: a queued text is typed in and confirmed; a queued
    // cancel (QueueCancel) leaves the prompt unanswered.
    void QueueText(const String& text);
    void QueueCancel();

    const std::vector<AskedQuestion>& Asked() const { return asked_; }
    void Reset();

private:
    struct Answer {
        AskButton button = kAskNone;
        String text;
        bool cancel = false;
    };
    bool TakeText(String& text);
    bool AskFileName(AskKind kind, FileDialogRequest& request);

    std::deque<Answer> answers_;
    std::vector<AskedQuestion> asked_;
};

HeadlessAsk& TheHeadlessAsk();
