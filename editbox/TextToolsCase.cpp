#include <cstdint>
#include <cstring>

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

namespace {

// How a byte acts in title case: the walk is table-driven so that mixed text costs no
// mispredicted branches.
enum TitleClass : uint8_t { kLowerLetter, kUpperLetter, kNeutral, kSeparator };

struct TitleTables {
    uint8_t classOf[256];
    int8_t delta[4][2];         // [class][at word start]: added to the byte
    uint8_t wordStartAfter[4][2];
};

constexpr TitleTables MakeTitleTables() {
    TitleTables t{};
    for (int c = 0; c < 256; ++c) {
        if (c >= 'a' && c <= 'z')
            t.classOf[c] = kLowerLetter;
        else if (c >= 'A' && c <= 'Z')
            t.classOf[c] = kUpperLetter;
        // An apostrophe keeps "don't" one word; tabs, other control bytes and bytes
        // above 127 leave the word state as it was.
        else if (c == '\'' || c > 127 || (c < 32 && c != '\r' && c != '\n'))
            t.classOf[c] = kNeutral;
        else
            t.classOf[c] = kSeparator;
    }
    for (int start = 0; start < 2; ++start) {
        t.delta[kLowerLetter][start] = start ? -32 : 0;
        t.delta[kUpperLetter][start] = start ? 0 : 32;
        t.wordStartAfter[kLowerLetter][start] = 0;
        t.wordStartAfter[kUpperLetter][start] = 0;
        t.wordStartAfter[kNeutral][start] = uint8_t(start);
        t.wordStartAfter[kSeparator][start] = 1;
    }
    return t;
}
constexpr TitleTables kTitle = MakeTitleTables();

}  // namespace

bool ToTitleCase(String& text) {
    char* p = text.Data();
    // The walk ends at a zero byte.
    const int32_t n = int32_t(std::strlen(text.c_str()));
    uint8_t wordStart = 1;
    for (int32_t i = 0; i < n; ++i) {
        const uint8_t cls = kTitle.classOf[uint8_t(p[i])];
        p[i] = char(p[i] + kTitle.delta[cls][wordStart]);
        wordStart = kTitle.wordStartAfter[cls][wordStart];
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
