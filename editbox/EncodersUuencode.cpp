#include <cstdint>

#include "editbox/Encoders.h"
#include "editbox/EncodersShared.h"

namespace {

constexpr int32_t kBytesPerLine = 45;

// A zero value is written as a space; decoders read a backquote the same way.
char UuChar(uint32_t value) { return char((value & 63) + 32); }
uint32_t UuValue(char c) { return uint32_t(uint8_t(c) - 32) & 63; }

bool IsBreakByte(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool UuEncode(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    const uint8_t* s = reinterpret_cast<const uint8_t*>(text.Data());
    int64_t fullLines = n / kBytesPerLine;
    int32_t rest = n % kBytesPerLine;
    int64_t lines = fullLines + (rest ? 1 : 0);
    int64_t length = fullLines * (1 + kBytesPerLine / 3 * 4) + (rest ? 1 + (rest + 2) / 3 * 4 : 0) +
                     (lines - 1) * 2;
    String out;
    char* o = encoding::PrepareOutput(out, length);
    if (!o) return false;
    for (int32_t lineStart = 0; lineStart < n; lineStart += kBytesPerLine) {
        if (lineStart) {
            *o++ = '\r';
            *o++ = '\n';
        }
        int32_t count = n - lineStart < kBytesPerLine ? n - lineStart : kBytesPerLine;
        *o++ = UuChar(uint32_t(count));
        for (int32_t g = 0; g < count; g += 3) {
            const uint8_t* b = s + lineStart + g;
            uint32_t b0 = b[0];
            uint32_t b1 = g + 1 < count ? b[1] : 0;
            uint32_t b2 = g + 2 < count ? b[2] : 0;
            o[0] = UuChar(b0 >> 2);
            o[1] = UuChar((b0 << 4) | (b1 >> 4));
            o[2] = UuChar((b1 << 2) | (b2 >> 6));
            o[3] = UuChar(b2);
            o += 4;
        }
    }
    encoding::TakeOutput(text, out, length);
    return true;
}

bool UuDecode(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    const char* p = text.Data();
    String out;
    char* const start = encoding::PrepareOutput(out, int64_t(n) / 4 * 3 + 3);
    if (!start) return false;
    char* o = start;
    int32_t i = 0;
    while (i < n) {
        int32_t count = int32_t(UuValue(p[i++]));
        if (count == 0) break;
        int32_t groups = (count + 2) / 3;
        if (groups * 4 > n - i) return false;
        for (int32_t g = 0; g < groups; ++g, i += 4) {
            const char* c = p + i;
            if (IsBreakByte(c[0]) || IsBreakByte(c[1]) || IsBreakByte(c[2]) || IsBreakByte(c[3]))
                return false;
            uint32_t v = UuValue(c[0]) << 18 | UuValue(c[1]) << 12 | UuValue(c[2]) << 6 | UuValue(c[3]);
            int32_t take = count < 3 ? count : 3;
            o[0] = char(v >> 16);
            if (take > 1) o[1] = char(v >> 8);
            if (take > 2) o[2] = char(v);
            o += take;
            count -= take;
        }
        if (i == n) break;
        if (!IsBreakByte(p[i])) return false;
        ++i;
        if (i < n && IsBreakByte(p[i]) && p[i] != p[i - 1]) ++i;
    }
    encoding::TakeOutput(text, out, o - start);
    return true;
}
