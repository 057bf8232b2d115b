#include <cstdint>
#include <cstring>

#include "editbox/Encoders.h"
#include "editbox/EncodersShared.h"

namespace {

using encoding::kUpperHexDigits;

struct UrlPassSet {
    bool plain[256];
    bool plainWithSlash[256];
};

// Bytes from '!' to DEL pass unless they mean something inside a URL.
constexpr UrlPassSet MakeUrlPassSet() {
    UrlPassSet set{};
    const char reserved[] = "/%?&\"#<>()[];:@=+\\|~^'*!";
    for (int c = 33; c < 128; ++c) {
        bool isReserved = false;
        for (const char* r = reserved; *r; ++r) isReserved = isReserved || *r == c;
        set.plain[c] = !isReserved;
        set.plainWithSlash[c] = !isReserved || c == '/';
    }
    return set;
}
constexpr UrlPassSet kUrlPass = MakeUrlPassSet();
static_assert(sizeof("/%?&\"#<>()[];:@=+\\|~^'*!") - 1 == 24);

}  // namespace

bool HexEncode(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    // Rewritten from the back: byte i goes to 2i and 2i + 1, never before it.
    char* p = encoding::GrowInPlace(text, int64_t(n) * 2);
    if (!p) return false;
    for (int32_t i = n - 1; i >= 0; --i) {
        const uint8_t c = uint8_t(p[i]);
        p[2 * i] = kUpperHexDigits[c >> 4];
        p[2 * i + 1] = kUpperHexDigits[c & 15];
    }
    return true;
}

bool HexDecode(String& text) {
    const int32_t n = text.Length();
    if (n % 2) return false;
    char* p = text.Data();
    for (int32_t i = 0; i < n; ++i)
        if (!encoding::IsHexDigit(p[i])) return false;
    for (int32_t i = 0; i < n; i += 2)
        p[i / 2] = char(encoding::HexValue(p[i]) << 4 | encoding::HexValue(p[i + 1]));
    encoding::CutTo(text, n / 2);
    return true;
}

bool UrlEncode(String& text, bool keepSlash) {
    const int32_t n = text.Length();
    const uint8_t* s = reinterpret_cast<const uint8_t*>(text.c_str());
    const bool* plain = keepSlash ? kUrlPass.plainWithSlash : kUrlPass.plain;
    int64_t escapes = 0;
    for (int32_t i = 0; i < n; ++i) escapes += !plain[s[i]];
    if (escapes == 0) return true;
    // Rewritten from the back, where the writes stay behind the bytes still to read.
    char* p = encoding::GrowInPlace(text, n + escapes * 2);
    if (!p) return false;
    for (int32_t r = n - 1, w = int32_t(n + escapes * 2) - 1; r < w; --r) {
        const uint8_t c = uint8_t(p[r]);
        if (plain[c]) {
            p[w--] = char(c);
        } else {
            p[w--] = kUpperHexDigits[c & 15];
            p[w--] = kUpperHexDigits[c >> 4];
            p[w--] = '%';
        }
    }
    return true;
}

bool UrlDecode(String& text) {
    char* p = text.Data();
    // The URL ends at a zero byte.
    const int32_t n = int32_t(std::strlen(text.c_str()));
    int32_t o = 0;
    for (int32_t i = 0; i < n;) {
        char c = p[i];
        if (c == '%' && i + 2 < n && encoding::IsHexDigit(p[i + 1]) && encoding::IsHexDigit(p[i + 2])) {
            p[o++] = char(encoding::HexValue(p[i + 1]) << 4 | encoding::HexValue(p[i + 2]));
            i += 3;
        } else {
            p[o++] = c == '+' ? ' ' : c;
            ++i;
        }
    }
    encoding::CutTo(text, o);
    return true;
}
