#include <cstdint>

#include "editbox/Encoders.h"
#include "editbox/EncodersShared.h"

namespace encoding {

namespace {

constexpr uint8_t kSkip = 0x80;
constexpr uint8_t kPad = 0x40;

struct Base64Values {
    uint8_t of[256];
};

constexpr Base64Values MakeValues() {
    Base64Values values{};
    for (int i = 0; i < 256; ++i) values.of[i] = kSkip;
    for (int i = 0; i < 64; ++i) values.of[uint8_t(kBase64Alphabet[i])] = uint8_t(i);
    values.of[uint8_t('=')] = kPad;
    return values;
}
constexpr Base64Values kValues = MakeValues();

}  // namespace

int32_t Base64DecodeBytes(const char* in, int32_t n, uint8_t* out) {
    const uint8_t* of = kValues.of;
    const uint8_t* s = reinterpret_cast<const uint8_t*>(in);
    int32_t o = 0;
    int32_t i = 0;
    uint32_t bits = 0;
    int values = 0;
    while (i < n) {
        // Clean input goes four characters at a time; anything else takes the slow road.
        if (values == 0 && i + 4 <= n) {
            uint32_t a = of[s[i]], b = of[s[i + 1]], c = of[s[i + 2]], d = of[s[i + 3]];
            if ((a | b | c | d) < 64) {
                uint32_t v = a << 18 | b << 12 | c << 6 | d;
                out[o] = uint8_t(v >> 16);
                out[o + 1] = uint8_t(v >> 8);
                out[o + 2] = uint8_t(v);
                o += 3;
                i += 4;
                continue;
            }
        }
        uint8_t v = of[s[i++]];
        if (v == kSkip) continue;
        if (v == kPad) break;
        bits = bits << 6 | v;
        if (++values == 4) {
            out[o] = uint8_t(bits >> 16);
            out[o + 1] = uint8_t(bits >> 8);
            out[o + 2] = uint8_t(bits);
            o += 3;
            values = 0;
            bits = 0;
        }
    }
    // An unfinished group still gives the bytes its values fully determine.
    if (values >= 2) out[o++] = uint8_t(bits >> (values == 2 ? 4 : 10));
    if (values == 3) out[o++] = uint8_t(bits >> 2);
    return o;
}

}  // namespace encoding

bool Base64Encode(String& text, bool lineBreaks) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    const int32_t groups = int32_t((int64_t(n) + 2) / 3);
    const int64_t length = int64_t(groups) * 4 + (lineBreaks ? groups / encoding::kGroupsPerLine * 2 : 0);
    // The text grows where it lies and is encoded from the back: every group's
    // characters land at or after its bytes, so nothing is overwritten before it is
    // read, and only the growth costs fresh memory.
    char* p = encoding::GrowInPlace(text, length);
    if (!p) return false;
    const char* alphabet = encoding::kBase64Alphabet;
    const uint8_t* in = reinterpret_cast<const uint8_t*>(p);
    for (int32_t g = groups - 1; g >= 0; --g) {
        const int32_t i = g * 3;
        const uint32_t v = uint32_t(in[i]) << 16 | (i + 1 < n ? uint32_t(in[i + 1]) << 8 : 0) |
                           (i + 2 < n ? in[i + 2] : 0);
        char* o = p + int64_t(g) * 4 + (lineBreaks ? g / encoding::kGroupsPerLine * 2 : 0);
        if (lineBreaks && (g + 1) % encoding::kGroupsPerLine == 0) {
            o[4] = '\r';
            o[5] = '\n';
        }
        o[0] = alphabet[v >> 18];
        o[1] = alphabet[(v >> 12) & 63];
        o[2] = i + 1 < n ? alphabet[(v >> 6) & 63] : '=';
        o[3] = i + 2 < n ? alphabet[v & 63] : '=';
    }
    return true;
}

bool Base64Decode(String& text) {
    if (text.IsEmpty()) return true;
    char* p = text.Data();
    int32_t written = encoding::Base64DecodeBytes(p, text.Length(), reinterpret_cast<uint8_t*>(p));
    encoding::CutTo(text, written);
    return true;
}
