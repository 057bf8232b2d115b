#include "platform/headless/HeadlessFont.h"

#include <cstring>

int32_t HeadlessProportionalFont::CharWidth(uint8_t c) const {
    if (c == ' ') return 4;
    if (c != 0 && std::strchr("ilj!.,;:'", c)) return 3;
    if (c == 'm' || c == 'w' || c == 'M' || c == 'W') return 12;
    if (c >= 'A' && c <= 'Z') return 9;
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return 7;
    return 6;
}

int32_t HeadlessProportionalFont::Kerning(uint8_t first, uint8_t second) const {
    if ((first == 'A' && second == 'V') || (first == 'V' && second == 'A')) return -2;
    if (first == 'T' && second == 'o') return -1;
    if (first == 'L' && second == 'T') return -3;
    return 0;
}

std::unique_ptr<Font> HeadlessFontSource::OpenFont(const FontRequest& request) {
    last_ = request;
    ++openCount_;
    if (request.fixedPitch) return std::make_unique<HeadlessMonospaceFont>();
    return std::make_unique<HeadlessProportionalFont>();
}

HeadlessFontSource& TheHeadlessFontSource() {
    static HeadlessFontSource source;
    return source;
}
