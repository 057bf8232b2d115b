#include <cstdint>

#include "editbox/TextTools.h"

namespace {

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLetter(char c) { return IsLower(c) || IsUpper(c); }
char Upper(char c) { return IsLower(c) ? char(c - 32) : c; }

}  // namespace

bool ToUpperCase(String& text) {
    text.ToUpper();
    return true;
}

bool ToLowerCase(String& text) {
    text.ToLower();
    return true;
}

bool ToggleCase(String& text) {
    text.SwapCase();
    return true;
}

bool ToTitleCase(String& text) {
    char* p = text.Data();
    const int32_t n = text.Length();
    bool wordStart = true;
    for (int32_t i = 0; i < n && p[i]; ++i) {
        const char c = p[i];
        if (IsLower(c)) {
            if (wordStart) p[i] = Upper(c);
            wordStart = false;
        } else if (IsUpper(c)) {
            if (!wordStart) p[i] = FoldCase(c);
            wordStart = false;
        } else if (c == '\'') {
            // "don't" stays one word.
        } else if ((uint8_t(c) >= 32 && uint8_t(c) <= 127) || c == '\r' || c == '\n') {
            wordStart = true;
        }
        // Tabs, other control bytes and bytes above 127 leave the word state alone.
    }
    return true;
}

bool ToSentenceCase(String& text) {
    char* p = text.Data();
    const int32_t n = text.Length();
    bool sentenceStart = true;
    for (int32_t i = 0; i < n; ++i) {
        const char c = p[i];
        if (sentenceStart) {
            if (IsLetter(c)) {
                p[i] = Upper(c);
                sentenceStart = false;
            }
        } else if (c == '\r' || c == '\n' || c == '\t') {
            sentenceStart = true;
        } else if (c == '.') {
            const char next = i + 1 < n ? p[i + 1] : 0;
            if (next == ' ' || next == '\r' || next == '\n' || next == '\t') {
                sentenceStart = true;
                ++i;
            }
        } else if (IsUpper(c)) {
            p[i] = FoldCase(c);
        }
    }
    return true;
}
