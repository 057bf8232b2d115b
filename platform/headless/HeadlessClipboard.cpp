#include "platform/headless/HeadlessClipboard.h"

bool HeadlessClipboard::ReadText(String& text) {
    if (!HasText()) {
        text.Clear();
        return false;
    }
    text = text_;
    return true;
}

bool HeadlessClipboard::WriteText(const String& text) {
    if (failing_) return false;
    text_ = text;
    hasText_ = true;
    ++writeCount_;
    return true;
}

void HeadlessClipboard::Empty() {
    text_.Clear();
    hasText_ = false;
}

HeadlessClipboard& TheHeadlessClipboard() {
    static HeadlessClipboard clipboard;
    return clipboard;
}
