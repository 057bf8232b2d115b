#include <cstdint>
#include <cstring>

#include "editbox/Encoders.h"
#include "editbox/EncodersShared.h"

namespace {

using encoding::kUpperHexDigits;

// Output lines hold at most 75 characters before the '=' of a soft break.
constexpr int32_t kMaxLine = 75;

struct EscapeSet {
    bool text[256];
    bool header[256];
};

constexpr EscapeSet MakeEscapeSet() {
    EscapeSet set{};
    for (int c = 0; c < 256; ++c) {
        bool control = c < 32 && c != '\t' && c != '\r' && c != '\n';
        set.text[c] = control || c >= 127 || c == '=';
        set.header[c] = set.text[c] || c == '\r' || c == '\n' || c == '?' || c == '_';
    }
    return set;
}
constexpr EscapeSet kEscape = MakeEscapeSet();

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsBreakByte(char c) { return c == '\r' || c == '\n'; }

char* PutEscape(char* out, uint8_t c) {
    out[0] = '=';
    out[1] = kUpperHexDigits[c >> 4];
    out[2] = kUpperHexDigits[c & 15];
    return out + 3;
}

char* PutSoftBreak(char* out) {
    out[0] = '=';
    out[1] = '\r';
    out[2] = '\n';
    return out + 3;
}

}  // namespace

bool QuotedPrintableEncode(String& text, bool headerMode) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    const char* in = text.Data();
    const bool* escape = headerMode ? kEscape.header : kEscape.text;
    // Every byte may triple, and a soft break follows at least 73 characters.
    int64_t bound = int64_t(n) * 3 + (headerMode ? 0 : (int64_t(n) * 3 / 73 + 2) * 3);
    String out;
    char* const start = encoding::PrepareOutput(out, bound);
    if (!start) return false;
    char* o = start;
    int32_t lineLength = 0;
    int32_t blankRunEnd = 0;
    bool blankRunAtLineEnd = false;
    for (int32_t i = 0; i < n; ++i) {
        const char c = in[i];
        if (!headerMode && IsBreakByte(c)) {
            // A line that reached the limit ends in a soft break even right before a
            // hard one: the limit holds for every line, and decoders drop the break.
            if (lineLength == kMaxLine) o = PutSoftBreak(o);
            *o++ = c;
            lineLength = 0;
            continue;
        }
        bool escaped = escape[uint8_t(c)];
        if (IsBlank(c)) {
            // Spaces before a line end would be lost by mail transports, so a whole
            // run of them is escaped when nothing else follows on its line.
            if (i >= blankRunEnd) {
                int32_t j = i;
                while (j < n && IsBlank(in[j])) ++j;
                blankRunEnd = j;
                blankRunAtLineEnd = j == n || IsBreakByte(in[j]);
            }
            escaped = escaped || blankRunAtLineEnd;
        }
        // A period alone on a line would end an SMTP body.
        if (c == '.' && lineLength == 0) escaped = true;
        if (!headerMode && lineLength + (escaped ? 3 : 1) > kMaxLine) {
            o = PutSoftBreak(o);
            lineLength = 0;
            if (c == '.') escaped = true;
        }
        if (escaped) {
            o = PutEscape(o, uint8_t(c));
            lineLength += 3;
        } else {
            *o++ = c;
            lineLength += 1;
        }
    }
    if (!headerMode && lineLength == kMaxLine) o = PutSoftBreak(o);
    encoding::TakeOutput(text, out, o - start);
    return true;
}

bool QuotedPrintableDecode(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    char* p = text.Data();
    int32_t o = 0;
    int32_t i = 0;
    while (i < n) {
        if (encoding::CopyUpTo(p, n, '=', i, o) == n) break;
        if (i + 1 < n && IsBreakByte(p[i + 1])) {
            i += 2;
            if (i < n && IsBreakByte(p[i]) && p[i] != p[i - 1]) ++i;
        } else if (i + 2 < n && encoding::IsHexDigit(p[i + 1]) && encoding::IsHexDigit(p[i + 2])) {
            p[o++] = char(encoding::HexValue(p[i + 1]) << 4 | encoding::HexValue(p[i + 2]));
            i += 3;
        } else {
            p[o++] = '=';
            ++i;
        }
    }
    encoding::CutTo(text, o);
    return true;
}
