#include "platform/Ask.h"

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
