// Menus as data: the portable side decides labels, ticks and enabling; a host turns
// the tree into native menus and reports the chosen command back by number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/String.h"

class Menu;

struct MenuItem {
    String label;  // "&Open document\tCtrl+O"; a separator has neither label nor command
    int32_t command = 0;
    bool checked = false;
    bool enabled = true;
    String help;  // shown in the status bar while the item is highlighted
    std::unique_ptr<Menu> submenu;

    bool IsSeparator() const { return command == 0 && !submenu && label.IsEmpty(); }
};

class Menu {
public:
    explicit Menu(const String& title = String()) : title_(title) {}

    const String& Title() const { return title_; }
    int32_t Count() const { return int32_t(items_.size()); }
    const MenuItem& Item(int32_t index) const { return items_[size_t(index)]; }

    MenuItem& Add(const String& label, int32_t command, const String& help = String());
    void AddSeparator();
    Menu& AddSubmenu(const String& title);

    // Searches submenus too; null when no item carries the command.
    MenuItem* Find(int32_t command);
    const MenuItem* Find(int32_t command) const;
    bool SetChecked(int32_t command, bool checked);
    bool SetEnabled(int32_t command, bool enabled);

private:
    String title_;
    std::vector<MenuItem> items_;
};
