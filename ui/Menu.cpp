#include "ui/Menu.h"

MenuItem& Menu::Add(const String& label, int32_t command, const String& help) {
    MenuItem& item = items_.emplace_back();
    item.label = label;
    item.command = command;
    item.help = help;
    return item;
}

void Menu::AddSeparator() {
    // Two separators in a row, or one at the top, would only draw an empty band.
    if (items_.empty() || items_.back().IsSeparator()) return;
    items_.emplace_back();
}

Menu& Menu::AddSubmenu(const String& title) {
    MenuItem& item = items_.emplace_back();
    item.label = title;
    item.submenu = std::make_unique<Menu>(title);
    return *item.submenu;
}

MenuItem* Menu::Find(int32_t command) {
    for (MenuItem& item : items_) {
        if (item.command == command && command != 0) return &item;
        if (item.submenu) {
            if (MenuItem* found = item.submenu->Find(command)) return found;
        }
    }
    return nullptr;
}

const MenuItem* Menu::Find(int32_t command) const {
    return const_cast<Menu*>(this)->Find(command);
}

bool Menu::SetChecked(int32_t command, bool checked) {
    MenuItem* item = Find(command);
    if (!item) return false;
    item->checked = checked;
    return true;
}

bool Menu::SetEnabled(int32_t command, bool enabled) {
    MenuItem* item = Find(command);
    if (!item) return false;
    item->enabled = enabled;
    return true;
}
