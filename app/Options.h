// The editor's own options and the window state it remembers between runs: the
// "&Options" menu with its check marks, the character sets, and the one routine that
// loads and saves the product's section of "globals.ini" in a fixed key order.
#pragma once

#include <cstdint>

#include "core/Config.h"
#include "core/ConfigExchange.h"
#include "core/String.h"
#include "core/Vector.h"

class Document;
class Editbox;
class Menu;
class Toolbar;

// Choices of the "Character set" submenu: the n-th offered set is 15000 + n.
enum : int32_t {
    kCmdCharacterSetFirst = 15000,
    kCmdCharacterSetEnd = 15100,
};

class Options {
public:
    Options();

    // The menu item's command for each flag; flipping comes before the command,
    // which then applies the new value.
    // False when the command is no flag item.
    bool Toggle(int32_t command, Document& document);
    // The "&Options" entries with their check marks, in menu order.
    void BuildMenu(Menu& menu, const Document& document) const;
    // False when the command is no offered character set.
    bool SelectCharacterSet(int32_t command);
    // The platform code of the current character set.
    int32_t CharacterSetCode() const;
    // Rebuilds the editbox fonts in the current character set.
    void ApplyCharacterSet(Editbox& editbox) const;

    // The section in its order: the editbox's own keys, the window flags, the
    // toolbar arrangement, then the document's names, placement and history.
    void Exchange(SettingsExchange& exchange, Editbox& editbox, Document& document);
    // An empty file means "globals.ini" in the framework's folder.
    void Load(Editbox& editbox, Document& document, const String& file = String());
    void Save(Editbox& editbox, Document& document, const String& file = String());

    // The toolbar as the user arranged it, built from the full list of buttons;
    // the full list when nothing is arranged.
    Toolbar ArrangeToolbar(const Toolbar& full) const;
    void RecordToolbar(const Toolbar& toolbar);

    bool fullPath = true;
    String characterSet;  // by name; the framework's default until chosen
    bool statusBarShown = true;
    bool openWithAll = false;
    bool toolbarShown = true;
    // Commands in button order, 0 for a separator; empty for the full list.
    Vector<int32_t> toolbarButtons;
    WindowPlacement windowPos;
    bool windowPosKnown = false;  // false: the framework places the window
};

// "11373,11374,0,11375"; unreadable items are skipped.
String ToolbarButtonsToText(const Vector<int32_t>& buttons);
void TextToToolbarButtons(const String& text, Vector<int32_t>& buttons);
