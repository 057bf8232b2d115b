#include "editbox/EditboxFilter.h"

#include "platform/Ask.h"

namespace {

bool IsKnownPlaceholder(char c) {
    return c == '#' || c == '0' || c == 'a';
}

bool IsPlaceholderKind(int32_t kind) {
    return kind == kFilterPlaceholder || kind == kFilterOptionalPlaceholder;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Typing "+" or "-" anywhere toggles the sign, wherever the caret stands.
int32_t SignSlotAccepting(const EditboxFilterList& items, char c) {
    for (int32_t i = 0; i < items.Count(); ++i) {
        if (items[i].kind == kFilterSign && FilterItemAccepts(items[i], c)) return i;
    }
    return -1;
}

int32_t NextEditable(const EditboxFilterList& items, int32_t from) {
    for (int32_t i = from; i < items.Count(); ++i) {
        if (FilterItemEditable(items[i])) return i;
    }
    return -1;
}

int32_t PreviousEditable(const EditboxFilterList& items, int32_t before) {
    for (int32_t i = before - 1; i >= 0; --i) {
        if (FilterItemEditable(items[i])) return i;
    }
    return -1;
}

// Where the caret goes after filling slot `slot`: before the next editable slot, or
// just after the filled one when it was the last.
int32_t CaretAfter(const EditboxFilterList& items, int32_t slot) {
    int32_t next = NextEditable(items, slot + 1);
    return next >= 0 ? next : slot + 1;
}

bool TextFits(const EditboxFilterList& items, const String& text) {
    return text.Length() == items.Count();
}

}  // namespace

void CheckEditboxFilter(const EditboxFilterList& items) {
    for (const EditboxFilter& item : items) {
        if (IsPlaceholderKind(item.kind) && !IsKnownPlaceholder(item.character)) {
            ShowMessage("Error",
                        String::Formatted("Bad editbox filter character '%c' (%d)",
                                          item.character, int(uint8_t(item.character))),
                        kAskOkOnly, kAskNone, AskIcon::Error);
        }
    }
}

char FilterEmptyChar(const EditboxFilter& item) {
    switch (item.kind) {
    case kFilterLiteral:
        return item.character;
    case kFilterPlaceholder:
        if (item.character == '#') return '#';
        if (item.character == '0') return '0';
        if (item.character == 'a') return '?';
        return ' ';
    default:
        return ' ';
    }
}

String EmptyFilterText(const EditboxFilterList& items) {
    String text;
    for (const EditboxFilter& item : items) text.Append(FilterEmptyChar(item));
    return text;
}

bool FilterItemEditable(const EditboxFilter& item) {
    return item.kind != kFilterLiteral;
}

bool FilterItemAccepts(const EditboxFilter& item, char c) {
    switch (item.kind) {
    case kFilterPlaceholder:
    case kFilterOptionalPlaceholder:
        if (item.character == '#' || item.character == '0') return IsDigit(c);
        if (item.character == 'a') return IsLetter(c);
        return false;
    case kFilterSign:
        return c == item.character || (item.character == '-' && c == '+');
    default:
        return c == item.character;
    }
}

int32_t NearestFilterPosition(const EditboxFilterList& items, int32_t position) {
    int32_t lastEditable = PreviousEditable(items, items.Count());
    if (lastEditable < 0) return position;
    if (position > lastEditable) return lastEditable + 1;
    if (position < 0) position = 0;
    int32_t after = NextEditable(items, position);
    if (after == position) return position;
    int32_t before = PreviousEditable(items, position);
    if (before < 0) return after;
    // On a tie the slot ahead wins: that is where typing goes.
    return position - before < after - position ? before : after;
}

bool FilterTypeChar(const EditboxFilterList& items, String& text, int32_t& caret, char c) {
    if (!TextFits(items, text)) return false;
    int32_t from = caret < 0 ? 0 : caret;
    // The character goes into the first slot from the caret that takes it, passing
    // over fixed literals and the sign but not over a slot the user still has to fill.
    for (int32_t slot = from; slot < items.Count(); ++slot) {
        const EditboxFilter& item = items[slot];
        if (item.kind == kFilterLiteral || item.kind == kFilterSign) continue;
        if (!FilterItemAccepts(item, c)) break;
        text.SetAt(slot, c);
        caret = CaretAfter(items, slot);
        return true;
    }
    // A typed literal (a decimal point, a separator) jumps past the next such literal.
    for (int32_t i = from; i < items.Count(); ++i) {
        if (items[i].kind == kFilterLiteral && items[i].character == c) {
            int32_t next = NextEditable(items, i + 1);
            if (next < 0) return false;
            caret = next;
            return true;
        }
    }
    int32_t sign = SignSlotAccepting(items, c);
    if (sign >= 0) {
        text.SetAt(sign, text[sign] == items[sign].character ? ' ' : items[sign].character);
        return true;
    }
    return false;
}

bool FilterEraseChar(const EditboxFilterList& items, String& text, int32_t& caret,
                     bool backward) {
    if (!TextFits(items, text)) return false;
    int32_t slot = backward ? PreviousEditable(items, caret) : NextEditable(items, caret);
    if (slot < 0) return false;
    text.SetAt(slot, FilterEmptyChar(items[slot]));
    caret = slot;
    return true;
}

bool FilterEraseRange(const EditboxFilterList& items, String& text, int32_t first,
                      int32_t last) {
    if (!TextFits(items, text) || first < 0 || last >= items.Count() || first > last) return false;
    bool changed = false;
    for (int32_t i = first; i <= last; ++i) {
        if (!FilterItemEditable(items[i])) continue;
        char empty = FilterEmptyChar(items[i]);
        if (text[i] != empty) {
            text.SetAt(i, empty);
            changed = true;
        }
    }
    return changed;
}
