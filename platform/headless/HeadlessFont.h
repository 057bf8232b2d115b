// Fonts with fixed, known metrics so that layout tests can work out pixel positions
// by hand: a monospace font (every byte 8 pixels) and a proportional one with narrow
// and wide letters, an overhanging italic-like "f" and a few kerning pairs.
#pragma once

#include "platform/Font.h"

class HeadlessMonospaceFont : public Font {
public:
    static constexpr int32_t kWidth = 8;
    static constexpr int32_t kHeight = 16;

    int32_t CharWidth(uint8_t) const override { return kWidth; }
    int32_t Kerning(uint8_t, uint8_t) const override { return 0; }
    bool HasKerningPairs() const override { return false; }
    int32_t Overhang(uint8_t) const override { return 0; }
    bool IsFixedPitch() const override { return true; }
    int32_t FixedWidth() const override { return kWidth; }
    int32_t Height() const override { return kHeight; }
    int32_t AverageWidth() const override { return kWidth; }
    int32_t PixelsPerInch() const override { return 96; }
    double ScaleFactor() const override { return 1.0; }
};

// Widths: space 4; "i", "l", "j", "!", ".", ",", ";", ":" and "'" 3; "m", "w", "M"
// and "W" 12; other capitals 9; other letters and digits 7; everything else 6.
// "f" overhangs by 2. Kerning: "AV" and "VA" -2, "To" -1, "LT" -3.
class HeadlessProportionalFont : public Font {
public:
    static constexpr int32_t kHeight = 18;

    int32_t CharWidth(uint8_t c) const override;
    int32_t Kerning(uint8_t first, uint8_t second) const override;
    bool HasKerningPairs() const override { return true; }
    int32_t Overhang(uint8_t c) const override { return c == 'f' ? 2 : 0; }
    bool IsFixedPitch() const override { return false; }
    int32_t FixedWidth() const override { return 0; }
    int32_t Height() const override { return kHeight; }
    int32_t AverageWidth() const override { return 7; }
    int32_t PixelsPerInch() const override { return 96; }
    double ScaleFactor() const override { return 1.0; }
};

// Hands out the monospace font for fixed-pitch requests and the proportional one
// otherwise, and remembers the last request.
class HeadlessFontSource : public FontSource {
public:
    std::unique_ptr<Font> OpenFont(const FontRequest& request) override;
    const FontRequest& LastRequest() const { return last_; }
    int32_t OpenCount() const { return openCount_; }

private:
    FontRequest last_;
    int32_t openCount_ = 0;
};

HeadlessFontSource& TheHeadlessFontSource();
