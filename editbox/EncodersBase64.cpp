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

// Mail wants lines of at most 76; the break falls after 18 groups.
constexpr int32_t kGroupsPerLine = 18;

}  // namespace

int64_t Base64EncodedLength(int64_t n, bool lineBreaks) {
    int64_t groups = (n + 2) / 3;
    return groups * 4 + (lineBreaks ? groups / kGroupsPerLine * 2 : 0);
}

void Base64EncodeBytes(const uint8_t* in, int32_t n, char* out, bool lineBreaks) {
    const char* alphabet = kBase64Alphabet;
    int32_t i = 0;
    int32_t groupsOnLine = 0;
    for (; i + 3 <= n; i += 3) {
        uint32_t v = uint32_t(in[i]) << 16 | uint32_t(in[i + 1]) << 8 | in[i + 2];
        out[0] = alphabet[v >> 18];
        out[1] = alphabet[(v >> 12) & 63];
        out[2] = alphabet[(v >> 6) & 63];
        out[3] = alphabet[v & 63];
        out += 4;
        if (lineBreaks && ++groupsOnLine == kGroupsPerLine) {
            out[0] = '\r';
            out[1] = '\n';
            out += 2;
            groupsOnLine = 0;
        }
    }
    if (i < n) {
        uint32_t v = uint32_t(in[i]) << 16 | (i + 1 < n ? uint32_t(in[i + 1]) << 8 : 0);
        out[0] = alphabet[v >> 18];
        out[1] = alphabet[(v >> 12) & 63];
        out[2] = i + 1 < n ? alphabet[(v >> 6) & 63] : '=';
        out[3] = '=';
        out += 4;
        if (lineBreaks && ++groupsOnLine == kGroupsPerLine) {
            out[0] = '\r';
            out[1] = '\n';
        }
    }
}

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
    if (text.IsEmpty()) return true;
    String out;
    int64_t length = encoding::Base64EncodedLength(text.Length(), lineBreaks);
    char* p = encoding::PrepareOutput(out, length);
    if (!p) return false;
    encoding::Base64EncodeBytes(reinterpret_cast<const uint8_t*>(text.Data()), text.Length(), p,
                                lineBreaks);
    encoding::TakeOutput(text, out, length);
    return true;
}

bool Base64Decode(String& text) {
    if (text.IsEmpty()) return true;
    char* p = text.Data();
    int32_t written = encoding::Base64DecodeBytes(p, text.Length(), reinterpret_cast<uint8_t*>(p));
    encoding::CutTo(text, written);
    return true;
}
