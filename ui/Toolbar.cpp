#include "ui/Toolbar.h"

void Toolbar::AddButton(int32_t command, const String& name, const String& help, ToolbarImage image) {
    ToolbarButton& button = buttons_.emplace_back();
    button.command = command;
    button.name = name;
    button.help = help;
    button.image = image;
}

void Toolbar::AddSeparator() {
    if (buttons_.empty() || buttons_.back().command == 0) return;
    buttons_.emplace_back();
}

const ToolbarButton* Toolbar::Find(int32_t command) const {
    for (const ToolbarButton& button : buttons_) {
        if (button.command == command && command != 0) return &button;
    }
    return nullptr;
}

bool Toolbar::SetEnabled(int32_t command, bool enabled) {
    ToolbarButton* button = const_cast<ToolbarButton*>(Find(command));
    if (!button || button->enabled == enabled) return false;
    button->enabled = enabled;
    return true;
}

void StatusBar::AddField(int32_t widthInChars, const String& hint) {
    StatusField& field = fields_.emplace_back();
    field.widthInChars = widthInChars;
    field.hint = hint;
}

bool StatusBar::SetText(int32_t index, const String& text) {
    if (index < 0 || index >= Count()) return false;
    StatusField& field = fields_[size_t(index)];
    if (field.text == text) return false;
    field.text = text;
    return true;
}

void StatusBar::SetWidth(int32_t index, int32_t widthInChars) {
    if (index < 0 || index >= Count() || widthInChars <= 0) return;
    fields_[size_t(index)].widthInChars = widthInChars;
}
