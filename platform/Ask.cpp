#include "platform/Ask.h"

namespace {
Ask* installedAsk = nullptr;
}

Ask& TheAsk() {
    return *installedAsk;
}

void InstallAsk(Ask* ask) {
    installedAsk = ask;
}

AskButton ShowMessage(const String& caption, const String& text, uint32_t buttons,
                      AskButton defaultButton, AskIcon icon) {
    AskMessage message;
    message.caption = caption;
    message.text = text;
    message.buttons = buttons;
    message.defaultButton = defaultButton;
    message.icon = icon;
    return TheAsk().ShowMessage(message);
}
