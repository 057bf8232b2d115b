// Input templates: a list of items, one per character position, that an editbox with
// an active filter holds its text to (a phone number, a signed number with grouping).
// The text always has one character per item; empty slots show a stand-in.
#pragma once

#include <cstdint>

#include "core/String.h"
#include "core/Vector.h"

enum EditboxFilterKind : int32_t {
    kFilterLiteral = 0,
    kFilterPlaceholder = 1,
    kFilterOptionalLiteral = 2,
    kFilterOptionalPlaceholder = 3,
    kFilterSign = 4,
};

struct EditboxFilter {
    int32_t kind = kFilterLiteral;
    // The literal, the placeholder code ('#', '0' or 'a') or the sign character.
    char character = 0;
};

using EditboxFilterList = Vector<EditboxFilter>;

// Reports each item whose placeholder code is not one of the three known ones, once
// per call ("Bad editbox filter character '%c' (%d)"). Such items accept nothing.
void CheckEditboxFilter(const EditboxFilterList& items);

// The text of the template with every slot empty.
String EmptyFilterText(const EditboxFilterList& items);
// What an empty slot of this item shows.
char FilterEmptyChar(const EditboxFilter& item);
bool FilterItemEditable(const EditboxFilter& item);
bool FilterItemAccepts(const EditboxFilter& item, char c);
// The editable caret position nearest to `position`: before an editable slot, or
// just after the last one. Returns `position` when no slot is editable.
int32_t NearestFilterPosition(const EditboxFilterList& items, int32_t position);

// Edits computed on a copy of the text; each returns false (and changes nothing)
// when the filter refuses. `text` must hold one character per item.
bool FilterTypeChar(const EditboxFilterList& items, String& text, int32_t& caret, char c);
bool FilterEraseChar(const EditboxFilterList& items, String& text, int32_t& caret,
                     bool backward);
// Empties the editable slots in first..last (inclusive).
bool FilterEraseRange(const EditboxFilterList& items, String& text, int32_t first,
                      int32_t last);
