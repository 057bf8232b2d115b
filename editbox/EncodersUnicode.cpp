#include <cstdint>
#include <cstring>

#include "editbox/Encoders.h"
#include "editbox/EncodersShared.h"

namespace {

struct LookAlike {
    uint16_t codePoint;
    char byte;
};

// Characters above 255 that read as an ASCII character, sorted by code point.
constexpr LookAlike kLookAlikes[] = {
    {0x02B9, '\''}, {0x02BA, '"'}, {0x02BC, '\''}, {0x02C6, '^'}, {0x02C8, '\''},
    {0x02CB, '`'},  {0x02D0, ':'}, {0x02DC, '~'},
    // Spaces of every width, and the invisible ones.
    {0x2000, ' '}, {0x2001, ' '}, {0x2002, ' '}, {0x2003, ' '}, {0x2004, ' '},
    {0x2005, ' '}, {0x2006, ' '}, {0x2007, ' '}, {0x2008, ' '}, {0x2009, ' '},
    {0x200A, ' '}, {0x200B, ' '},
    // Dashes and hyphens.
    {0x2010, '-'}, {0x2011, '-'}, {0x2012, '-'}, {0x2013, '-'}, {0x2014, '-'},
    {0x2015, '-'}, {0x2016, '|'}, {0x2017, '_'},
    // Quotation marks and primes.
    {0x2018, '\''}, {0x2019, '\''}, {0x201A, '\''}, {0x201B, '\''}, {0x201C, '"'},
    {0x201D, '"'},  {0x201E, '"'},  {0x201F, '"'},  {0x2022, '*'},  {0x2024, '.'},
    {0x2026, '.'},  {0x2027, '.'},  {0x202F, ' '},  {0x2030, '%'},  {0x2032, '\''},
    {0x2033, '"'},  {0x2035, '`'},  {0x2036, '"'},  {0x2039, '<'},  {0x203A, '>'},
    {0x203C, '!'},  {0x2043, '-'},  {0x2044, '/'},  {0x2047, '?'},  {0x2048, '?'},
    {0x2049, '!'},  {0x204E, '*'},  {0x2052, '%'},  {0x2053, '~'},  {0x205F, ' '},
    {0x2060, ' '},
    // Letter-like symbols.
    {0x2102, 'C'}, {0x210A, 'g'}, {0x210B, 'H'}, {0x210C, 'H'}, {0x210D, 'H'},
    {0x210E, 'h'}, {0x2110, 'I'}, {0x2111, 'I'}, {0x2112, 'L'}, {0x2113, 'l'},
    {0x2115, 'N'}, {0x2119, 'P'}, {0x211A, 'Q'}, {0x211B, 'R'}, {0x211C, 'R'},
    {0x211D, 'R'}, {0x2124, 'Z'}, {0x2128, 'Z'}, {0x212A, 'K'}, {0x212C, 'B'},
    {0x212D, 'C'}, {0x212E, 'e'}, {0x212F, 'e'}, {0x2130, 'E'}, {0x2131, 'F'},
    {0x2133, 'M'}, {0x2134, 'o'}, {0x2139, 'i'}, {0x2145, 'D'}, {0x2146, 'd'},
    {0x2147, 'e'}, {0x2148, 'i'}, {0x2149, 'j'},
    // Mathematical operators and brackets.
    {0x2212, '-'}, {0x2215, '/'}, {0x2216, '\\'}, {0x2217, '*'}, {0x2223, '|'},
    {0x2236, ':'}, {0x223C, '~'}, {0x2248, '~'},  {0x2260, '='}, {0x2261, '='},
    {0x2264, '<'}, {0x2265, '>'}, {0x22C5, '.'},  {0x2329, '<'}, {0x232A, '>'},
    {0x27E8, '<'}, {0x27E9, '>'},
    // East Asian and compatibility forms.
    {0x3000, ' '}, {0x3008, '<'}, {0x3009, '>'}, {0xFE63, '-'}, {0xFEFF, ' '},
    {0xFF0D, '-'}, {0xFF5E, '~'},
};

constexpr bool IsSortedAndUnique() {
    for (size_t i = 1; i < sizeof(kLookAlikes) / sizeof(kLookAlikes[0]); ++i)
        if (kLookAlikes[i - 1].codePoint >= kLookAlikes[i].codePoint) return false;
    return true;
}
static_assert(sizeof(kLookAlikes) / sizeof(kLookAlikes[0]) == 116);
static_assert(IsSortedAndUnique(), "the look-alike table is searched by halving");

const char* const kUtf7Charsets[] = {"utf-7",
                                     "unicode-1-1-utf-7",
                                     "unicode-2-0-utf-7",
                                     "x-unicode-1-1-utf-7",
                                     "x-unicode-2-0-utf-7",
                                     "csUnicode11UTF7"};
const char* const kUtf8Charsets[] = {"utf-8", "unicode-1-1-utf-8", "unicode-2-0-utf-8",
                                     "x-unicode-1-1-utf-8", "x-unicode-2-0-utf-8"};

template <size_t N>
bool IsOneOf(const char* const (&names)[N], const char* name, int32_t length) {
    for (const char* candidate : names) {
        if (int32_t(std::strlen(candidate)) != length) continue;
        int32_t i = 0;
        while (i < length && FoldCase(candidate[i]) == FoldCase(name[i])) ++i;
        if (i == length) return true;
    }
    return false;
}

// ---- UTF-8 ----

// Continuation bytes announced by a lead byte; -1 for a byte that cannot lead.
int ContinuationCount(uint8_t lead) {
    if (lead < 0x80) return 0;
    if (lead < 0xC0) return -1;
    if (lead < 0xE0) return 1;
    if (lead < 0xF0) return 2;
    if (lead < 0xF8) return 3;
    return -1;
}

bool IsContinuation(uint8_t c) { return (c & 0xC0) == 0x80; }

// Eight ASCII bytes at once: most text is plain ASCII.
bool AllAscii8(const uint8_t* s) {
    uint64_t word;
    std::memcpy(&word, s, 8);
    return (word & 0x8080808080808080ull) == 0;
}

// ---- UTF-7 ----

// Bytes written as themselves; everything else goes into a BASE64 run.
bool IsDirect(uint8_t c) { return (c >= 32 && c <= 127) || c == '\t' || c == '\r' || c == '\n'; }

bool IsBase64Char(uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/';
}

// End of the BASE64 run that starts with the byte at `i`. A '+' between two
// non-direct bytes joins the run rather than breaking it into two.
int32_t Utf7RunEnd(const uint8_t* s, int32_t i, int32_t n) {
    int32_t j = i;
    for (;;) {
        while (j < n && !IsDirect(s[j])) ++j;
        int32_t k = j;
        while (k < n && s[k] == '+') ++k;
        if (k == j || k == n || IsDirect(s[k])) return j;
        j = k;
    }
}

// The run as UTF-16 big-endian (every byte b as 00 b), padded with zero bytes to
// whole groups of three, gives this many BASE64 characters.
int64_t Utf7RunLength(int32_t runLength) { return (int64_t(runLength) * 2 + 2) / 3 * 4; }

char* PutUtf7Run(const uint8_t* run, int32_t runLength, char* out) {
    const char* alphabet = encoding::kBase64Alphabet;
    *out++ = '+';
    const int32_t bytes = runLength * 2;
    auto byteAt = [&](int32_t j) -> uint32_t { return (j & 1) && j < bytes ? run[j >> 1] : 0; };
    for (int32_t j = 0; j < bytes; j += 3) {
        uint32_t v = byteAt(j) << 16 | byteAt(j + 1) << 8 | byteAt(j + 2);
        out[0] = alphabet[v >> 18];
        out[1] = alphabet[(v >> 12) & 63];
        out[2] = alphabet[(v >> 6) & 63];
        out[3] = alphabet[v & 63];
        out += 4;
    }
    *out++ = '-';
    return out;
}

}  // namespace

char ByteForCodePoint(uint32_t codePoint) {
    if (codePoint <= 255) return char(codePoint);
    size_t low = 0;
    size_t high = sizeof(kLookAlikes) / sizeof(kLookAlikes[0]);
    while (low < high) {
        size_t middle = (low + high) / 2;
        if (kLookAlikes[middle].codePoint < codePoint)
            low = middle + 1;
        else
            high = middle;
    }
    if (low < sizeof(kLookAlikes) / sizeof(kLookAlikes[0]) && kLookAlikes[low].codePoint == codePoint)
        return kLookAlikes[low].byte;
    return ' ';
}

bool IsUtf7Charset(const char* name, int32_t length) { return IsOneOf(kUtf7Charsets, name, length); }

bool IsUtf8Charset(const char* name, int32_t length) { return IsOneOf(kUtf8Charsets, name, length); }

bool Utf8Encode(String& text) {
    const int32_t n = text.Length();
    const uint8_t* s = reinterpret_cast<const uint8_t*>(text.c_str());
    int64_t high = 0;
    for (int32_t i = 0; i < n; ++i) high += s[i] >> 7;
    if (high == 0) return true;
    // Rewritten from the back, where the writes stay behind the bytes still to read.
    char* p = encoding::GrowInPlace(text, n + high);
    if (!p) return false;
    for (int32_t r = n - 1, w = int32_t(n + high) - 1; r < w; --r) {
        const uint8_t c = uint8_t(p[r]);
        if (c < 0x80) {
            p[w--] = char(c);
        } else {
            p[w--] = char(0x80 | (c & 0x3F));
            p[w--] = char(0xC0 | c >> 6);
        }
    }
    return true;
}

bool Utf8Decode(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    const uint8_t* s = reinterpret_cast<const uint8_t*>(text.Data());
    String out;
    char* const start = encoding::PrepareOutput(out, n);
    if (!start) return false;
    char* o = start;
    bool complete = true;
    int32_t i = 0;
    while (i < n) {
        if (i + 8 <= n && AllAscii8(s + i)) {
            std::memcpy(o, s + i, 8);
            o += 8;
            i += 8;
            continue;
        }
        const uint8_t lead = s[i];
        const int count = ContinuationCount(lead);
        if (count < 0) return false;
        if (count == 0) {
            *o++ = char(lead);
            ++i;
            continue;
        }
        uint32_t codePoint = lead & (0x3F >> count);
        int got = 0;
        while (got < count && i + 1 + got < n && IsContinuation(s[i + 1 + got])) {
            codePoint = codePoint << 6 | (s[i + 1 + got] & 0x3F);
            ++got;
        }
        if (got < count) {
            // Keep a cut-short sequence as it stands and go on with the byte that broke it.
            complete = false;
            std::memcpy(o, s + i, size_t(got + 1));
            o += got + 1;
        } else {
            *o++ = ByteForCodePoint(codePoint);
        }
        i += got + 1;
    }
    encoding::TakeOutput(text, out, o - start);
    return complete;
}

bool Utf7Encode(String& text) {
    const int32_t n = text.Length();
    const uint8_t* s = reinterpret_cast<const uint8_t*>(text.c_str());
    int64_t length = 0;
    for (int32_t i = 0; i < n;) {
        if (s[i] == '+') {
            length += 2;
            ++i;
        } else if (IsDirect(s[i])) {
            ++length;
            ++i;
        } else {
            int32_t end = Utf7RunEnd(s, i, n);
            length += Utf7RunLength(end - i) + 2;
            i = end;
        }
    }
    if (length == n) return true;
    String out;
    char* o = encoding::PrepareOutput(out, length);
    if (!o) return false;
    for (int32_t i = 0; i < n;) {
        if (s[i] == '+') {
            *o++ = '+';
            *o++ = '-';
            ++i;
        } else if (IsDirect(s[i])) {
            *o++ = char(s[i++]);
        } else {
            int32_t end = Utf7RunEnd(s, i, n);
            o = PutUtf7Run(s + i, end - i, o);
            i = end;
        }
    }
    encoding::TakeOutput(text, out, length);
    return true;
}

bool Utf7Decode(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    char* p = text.Data();
    const uint8_t* s = reinterpret_cast<const uint8_t*>(p);
    int32_t o = 0;
    int32_t i = 0;
    while (i < n) {
        const void* hit = std::memchr(p + i, '+', size_t(n - i));
        int32_t plus = hit ? int32_t(static_cast<const char*>(hit) - p) : n;
        if (o != i) std::memmove(p + o, p + i, size_t(plus - i));
        o += plus - i;
        i = plus;
        if (i == n) break;
        if (i + 1 < n && p[i + 1] == '-') {
            p[o++] = '+';
            i += 2;
            continue;
        }
        int32_t j = i + 1;
        while (j < n && IsBase64Char(s[j])) ++j;
        // The run decodes in place: its bytes never outgrow the characters read.
        uint8_t* units = reinterpret_cast<uint8_t*>(p + o);
        int32_t bytes = encoding::Base64DecodeBytes(p + i + 1, j - i - 1, units);
        int32_t kept = 0;
        for (int32_t k = 1; k < bytes; k += 2) units[kept++] = units[k];
        while (kept > 0 && units[kept - 1] == 0) --kept;
        o += kept;
        i = j < n && p[j] == '-' ? j + 1 : j;
    }
    encoding::CutTo(text, o);
    return true;
}
