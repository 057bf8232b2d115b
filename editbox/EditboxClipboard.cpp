#include "editbox/Editbox.h"
#include "editbox/EditboxSettings.h"
#include "platform/Clipboard.h"

String WithCrLfLineBreaks(const String& text) {
    String result;
    const char* p = text.c_str();
    int32_t length = text.Length();
    int32_t breaks = 0;
    for (int32_t i = 0; i < length; ++i) {
        if (p[i] == '\r' || p[i] == '\n') ++breaks;
    }
    result.Reserve(length + breaks + 2);
    int32_t runStart = 0;
    for (int32_t i = 0; i < length;) {
        char c = p[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        result.Append(p + runStart, i - runStart);
        result.Append("\r\n", 2);
        char pair = c == '\r' ? '\n' : '\r';
        i += (i + 1 < length && p[i + 1] == pair) ? 2 : 1;
        runStart = i;
    }
    result.Append(p + runStart, length - runStart);
    return result;
}

bool Editbox::CanCopy() const {
    return !copyProhibited_ && GetTextLength() > 0;
}

bool Editbox::Copy() {
    if (!CanCopy()) return false;
    String text = HasSelection() ? SelectionText() : Text();
    if (text.IsEmpty()) return false;
    return TheClipboard().WriteText(WithCrLfLineBreaks(text));
}

bool Editbox::Cut() {
    if (IsReadOnly() || !HasSelection()) return false;
    if (!Copy()) return false;
    return DeleteSelection();
}

bool Editbox::Paste() {
    if (IsReadOnly()) return false;
    String pasted;
    if (!TheClipboard().ReadText(pasted)) return false;
    // Control characters other than tab and the line breaks would be invisible and
    // confuse the layout; they are dropped rather than shown as boxes.
    String text;
    text.Reserve(pasted.Length() + 2);
    const char* p = pasted.c_str();
    for (int32_t i = 0; i < pasted.Length(); ++i) {
        unsigned char c = static_cast<unsigned char>(p[i]);
        if (c >= 32 || c == '\t' || c == '\n' || c == '\r') text.Append(char(c));
    }
    if (text.IsEmpty()) return false;
    int32_t start = SelectionStart();
    if (!ReplaceSelection(text)) return false;
    if (TheEditboxSettings().selectOnPaste && !filterActive_ && caret_ > start)
        SetSelection(start, caret_);
    return true;
}
