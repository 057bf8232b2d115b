// An in-memory clipboard. It can also be made to fail, as a clipboard held open by
// another program does.
#pragma once

#include "platform/Clipboard.h"

class HeadlessClipboard : public Clipboard {
public:
    bool HasText() override { return hasText_ && !failing_; }
    bool ReadText(String& text) override;
    bool WriteText(const String& text) override;

    void Empty();
    void SetFailing(bool failing) { failing_ = failing; }
    const String& Content() const { return text_; }
    int32_t WriteCount() const { return writeCount_; }

private:
    String text_;
    bool hasText_ = false;
    bool failing_ = false;
    int32_t writeCount_ = 0;
};

HeadlessClipboard& TheHeadlessClipboard();
