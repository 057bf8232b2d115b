// The line of help the status bar shows while a menu item is highlighted.
#pragma once

#include <cstdint>

struct MenuHelpEntry {
    int32_t command;
    const char* text;
};

// The whole table, in the order the window registers it.
const MenuHelpEntry* MenuHelpTable(int32_t* count);
// The first text registered for the command, or null.
const char* MenuHelpText(int32_t command);
