// One routine both loads and saves a group of settings, so that each key name is
// written once:
//
//   void Options::Exchange(SettingsExchange& x) {
//       x.Flag("ToolbarShown", toolbarShown);
//       x.Number("WordBreak", wordBreak);
//   }
//
// On load a variable takes the stored value when its key is present and keeps its
// own value otherwise; on save the variable's value is written.
#pragma once

#include <cstdint>

#include "core/Array.h"
#include "core/Config.h"
#include "core/String.h"

class SettingsExchange {
public:
    enum Direction { kLoad, kSave };

    // An empty file name means "globals.ini" in the framework's folder.
    SettingsExchange(const String& section, Direction direction, const String& file = String());

    bool IsLoading() const { return direction == kLoad; }
    // Sub-sections: "Nivora" then Enter("Search") exchanges under "Nivora\Search".
    void Enter(const String& part);
    void Leave();

    // Each returns true when a value was taken (load) or written (save).
    bool Flag(const char* key, bool& value);
    bool Number(const char* key, int32_t& value);
    bool Real(const char* key, double& value);
    // Escaped texts may hold line breaks and other control bytes.
    bool Text(const char* key, String& value, bool escaped = false);
    bool Colour(const char* key, uint32_t& colour);
    // Stored as one line, items separated by commas; each item is escaped, with a
    // comma in it written as "\2C". An empty list and a list of one empty text are
    // stored alike and load as an empty list.
    bool TextList(const char* key, Array<String>& items);
    bool Placement(const char* key, WindowPlacement& placement);

    String section;
    Direction direction;
    char separator = '\\';
    String file;

private:
    bool Exchange(const char* key, String& stored);
};

String ListToText(const Array<String>& items);
void TextToList(const String& text, Array<String>& items);
