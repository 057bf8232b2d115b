#include <cstdint>
#include <cstring>

#include "editbox/Encoders.h"
#include "editbox/EncodersShared.h"

namespace {

struct HtmlEntity {
    const char* name;
    uint8_t byte;
    bool basic;  // needed in any HTML, whatever the character set
};

constexpr HtmlEntity kEntities[] = {
    {"lt", 60, true},        {"gt", 62, true},        {"amp", 38, true},
    {"quot", 34, true},      {"nbsp", 160, false},    {"iexcl", 161, false},
    {"cent", 162, false},    {"pound", 163, false},   {"curren", 164, false},
    {"yen", 165, false},     {"brvbar", 166, false},  {"sect", 167, false},
    {"uml", 168, false},     {"copy", 169, false},    {"ordf", 170, false},
    {"laquo", 171, false},   {"not", 172, false},     {"shy", 173, false},
    {"reg", 174, false},     {"macr", 175, false},    {"deg", 176, false},
    {"plusmn", 177, false},  {"sup2", 178, false},    {"sup3", 179, false},
    {"acute", 180, false},   {"micro", 181, false},   {"para", 182, false},
    {"middot", 183, false},  {"cedil", 184, false},   {"sup1", 185, false},
    {"ordm", 186, false},    {"raquo", 187, false},   {"frac14", 188, false},
    {"frac12", 189, false},  {"frac34", 190, false},  {"iquest", 191, false},
    {"Agrave", 192, false},  {"Aacute", 193, false},  {"Acirc", 194, false},
    {"Atilde", 195, false},  {"Auml", 196, false},    {"Aring", 197, false},
    {"AElig", 198, false},   {"Ccedil", 199, false},  {"Egrave", 200, false},
    {"Eacute", 201, false},  {"Ecirc", 202, false},   {"Euml", 203, false},
    {"Igrave", 204, false},  {"Iacute", 205, false},  {"Icirc", 206, false},
    {"Iuml", 207, false},    {"ETH", 208, false},     {"Ntilde", 209, false},
    {"Ograve", 210, false},  {"Oacute", 211, false},  {"Ocirc", 212, false},
    {"Otilde", 213, false},  {"Ouml", 214, false},    {"times", 215, false},
    {"Oslash", 216, false},  {"Ugrave", 217, false},  {"Uacute", 218, false},
    {"Ucirc", 219, false},   {"Uuml", 220, false},    {"Yacute", 221, false},
    {"THORN", 222, false},   {"szlig", 223, false},   {"agrave", 224, false},
    {"aacute", 225, false},  {"acirc", 226, false},   {"atilde", 227, false},
    {"auml", 228, false},    {"aring", 229, false},   {"aelig", 230, false},
    {"ccedil", 231, false},  {"egrave", 232, false},  {"eacute", 233, false},
    {"ecirc", 234, false},   {"euml", 235, false},    {"igrave", 236, false},
    {"iacute", 237, false},  {"icirc", 238, false},   {"iuml", 239, false},
    {"eth", 240, false},     {"ntilde", 241, false},  {"ograve", 242, false},
    {"oacute", 243, false},  {"ocirc", 244, false},   {"otilde", 245, false},
    {"ouml", 246, false},    {"divide", 247, false},  {"oslash", 248, false},
    {"ugrave", 249, false},  {"uacute", 250, false},  {"ucirc", 251, false},
    {"uuml", 252, false},    {"yacute", 253, false},  {"thorn", 254, false},
    {"yuml", 255, false},
};
constexpr int kEntityCount = sizeof(kEntities) / sizeof(kEntities[0]);
static_assert(kEntityCount == 100);

constexpr int32_t kMaxNameLength = 6;

// What each byte becomes, built once: "&name;" or "&#N;" texts and their lengths.
struct HtmlMaps {
    char reference[256][8];
    uint8_t referenceLength[256];
    const HtmlEntity* entity[256];
    // Entity indexes sorted by name, for lookups by halving.
    uint8_t byName[kEntityCount];

    HtmlMaps() {
        for (int b = 0; b < 256; ++b) entity[b] = nullptr;
        for (const HtmlEntity& e : kEntities) entity[e.byte] = &e;
        for (int b = 0; b < 256; ++b) {
            char* r = reference[b];
            int length = 0;
            r[length++] = '&';
            if (entity[b]) {
                for (const char* s = entity[b]->name; *s; ++s) r[length++] = *s;
            } else {
                r[length++] = '#';
                if (b >= 100) r[length++] = char('0' + b / 100);
                if (b >= 10) r[length++] = char('0' + b / 10 % 10);
                r[length++] = char('0' + b % 10);
            }
            r[length++] = ';';
            referenceLength[b] = uint8_t(length);
        }
        for (int i = 0; i < kEntityCount; ++i) byName[i] = uint8_t(i);
        // Insertion sort: a hundred names, once.
        for (int i = 1; i < kEntityCount; ++i) {
            uint8_t moving = byName[i];
            int j = i;
            while (j > 0 && std::strcmp(kEntities[byName[j - 1]].name, kEntities[moving].name) > 0) {
                byName[j] = byName[j - 1];
                --j;
            }
            byName[j] = moving;
        }
    }
};

const HtmlMaps& Maps() {
    static const HtmlMaps maps;
    return maps;
}

// -1, 0 or 1 as the name of `length` bytes sorts before, with or after `entityName`.
int CompareName(const char* name, int32_t length, const char* entityName) {
    int32_t i = 0;
    for (; i < length && entityName[i]; ++i) {
        if (name[i] != entityName[i]) return uint8_t(name[i]) < uint8_t(entityName[i]) ? -1 : 1;
    }
    if (i < length) return 1;
    return entityName[i] ? -1 : 0;
}

bool IsBreakByte(char c) { return c == '\r' || c == '\n'; }

bool IsAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Which bytes the encoder replaces, for one set of options.
struct EncodePlan {
    bool replace[256];
};

EncodePlan PlanFor(int options) {
    const HtmlMaps& maps = Maps();
    EncodePlan plan{};
    for (int b = 0; b < 256; ++b) {
        bool control = b < 32 && b != '\t' && b != '\r' && b != '\n';
        plan.replace[b] = maps.entity[b] != nullptr || control || b >= 128;
        if (b >= 128 && (options & kHtmlKeepHighBytes)) plan.replace[b] = false;
    }
    if (options & kHtmlKeepQuotes) plan.replace[uint8_t('"')] = false;
    return plan;
}

const char kBreak[] = "<br>\r\n";
const char kSentenceGap[] = ".&nbsp; ";

// Length of the line break at p[i] (CR LF and LF CR count as one).
int32_t BreakLength(const char* p, int32_t i, int32_t n) {
    return i + 1 < n && IsBreakByte(p[i + 1]) && p[i + 1] != p[i] ? 2 : 1;
}

}  // namespace

const char* HtmlEntityName(uint8_t byte) {
    const HtmlEntity* e = Maps().entity[byte];
    return e ? e->name : nullptr;
}

int HtmlEntityByte(const char* name, int32_t length) {
    const HtmlMaps& maps = Maps();
    int low = 0;
    int high = kEntityCount;
    while (low < high) {
        int middle = (low + high) / 2;
        int order = CompareName(name, length, kEntities[maps.byName[middle]].name);
        if (order == 0) return kEntities[maps.byName[middle]].byte;
        if (order < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return -1;
}

bool HtmlEncode(String& text, int options) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    const char* p = text.Data();
    const HtmlMaps& maps = Maps();
    const EncodePlan plan = PlanFor(options);
    const bool lineBreaks = options & kHtmlLineBreaks;
    const bool sentenceGaps = options & kHtmlKeepSentenceGap;

    // Measure first so that the output is allocated once.
    int64_t length = 0;
    for (int32_t i = 0; i < n;) {
        const uint8_t c = uint8_t(p[i]);
        if (lineBreaks && IsBreakByte(char(c))) {
            length += sizeof(kBreak) - 1;
            i += BreakLength(p, i, n);
        } else if (sentenceGaps && c == '.' && i + 2 < n && p[i + 1] == ' ' && p[i + 2] == ' ') {
            length += sizeof(kSentenceGap) - 1;
            i += 3;
        } else {
            length += plan.replace[c] ? maps.referenceLength[c] : 1;
            ++i;
        }
    }
    if (length == n) return true;

    String out;
    char* o = encoding::PrepareOutput(out, length);
    if (!o) return false;
    for (int32_t i = 0; i < n;) {
        const uint8_t c = uint8_t(p[i]);
        if (lineBreaks && IsBreakByte(char(c))) {
            std::memcpy(o, kBreak, sizeof(kBreak) - 1);
            o += sizeof(kBreak) - 1;
            i += BreakLength(p, i, n);
        } else if (sentenceGaps && c == '.' && i + 2 < n && p[i + 1] == ' ' && p[i + 2] == ' ') {
            std::memcpy(o, kSentenceGap, sizeof(kSentenceGap) - 1);
            o += sizeof(kSentenceGap) - 1;
            i += 3;
        } else if (plan.replace[c]) {
            std::memcpy(o, maps.reference[c], maps.referenceLength[c]);
            o += maps.referenceLength[c];
            ++i;
        } else {
            *o++ = char(c);
            ++i;
        }
    }
    encoding::TakeOutput(text, out, length);
    return true;
}

bool HtmlDecode(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    char* p = text.Data();
    int32_t o = 0;
    int32_t i = 0;
    while (i < n) {
        if (encoding::CopyUpTo(p, n, '&', i, o) == n) break;

        int32_t j = i + 1;
        if (j < n && p[j] == '#') ++j;
        // Past U+10FFFF every value is as unknown as any other; capping keeps it small.
        constexpr uint32_t kCap = 0x110000;
        uint32_t value = 0;
        if (j + 1 < n && (p[j] == 'x' || p[j] == 'X') && encoding::IsHexDigit(p[j + 1])) {
            for (++j; j < n && encoding::IsHexDigit(p[j]); ++j) {
                value = value * 16 + uint32_t(encoding::HexValue(p[j]));
                if (value > kCap) value = kCap;
            }
        } else if (j < n && IsDigit(p[j])) {
            for (; j < n && IsDigit(p[j]); ++j) {
                value = value * 10 + uint32_t(p[j] - '0');
                if (value > kCap) value = kCap;
            }
        } else {
            int32_t nameStart = j;
            while (j < n && j - nameStart < kMaxNameLength && IsAlnum(p[j])) ++j;
            int byte = HtmlEntityByte(p + nameStart, j - nameStart);
            value = byte > 0 ? uint32_t(byte) : 0;
        }
        if (value == 0) {
            p[o++] = '&';
            ++i;
            continue;
        }
        if (j < n && p[j] == ';') ++j;
        p[o++] = ByteForCodePoint(value);
        i = j;
    }
    encoding::CutTo(text, o);
    return true;
}
