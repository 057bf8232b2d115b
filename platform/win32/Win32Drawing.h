// GDI behind the portable Font and Surface: fonts measured once when opened (widths,
// overhangs, kerning pairs), surfaces over a device context.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Font.h"
#include "platform/Surface.h"

class Win32Font : public Font {
public:
    // Takes ownership of the font handle; measures through `dc`.
    Win32Font(HFONT handle, HDC dc);
    ~Win32Font() override;
    HFONT Handle() const { return handle_; }

    int32_t CharWidth(uint8_t c) const override { return widths_[c]; }
    int32_t Kerning(uint8_t first, uint8_t second) const override;
    bool HasKerningPairs() const override { return !kerning_.empty(); }
    int32_t Overhang(uint8_t c) const override { return overhangs_[c]; }
    bool IsFixedPitch() const override { return fixedPitch_; }
    int32_t FixedWidth() const override { return fixedPitch_ ? averageWidth_ : 0; }
    int32_t Height() const override { return height_; }
    int32_t AverageWidth() const override { return averageWidth_; }
    int32_t PixelsPerInch() const override { return pixelsPerInch_; }
    double ScaleFactor() const override { return 1.0; }

private:
    HFONT handle_;
    int32_t widths_[256] = {};
    int32_t overhangs_[256] = {};
    // Sorted by (first << 8 | second) for a binary search; most fonts have none.
    std::vector<std::pair<uint16_t, int16_t>> kerning_;
    bool fixedPitch_ = false;
    int32_t height_ = 0;
    int32_t averageWidth_ = 0;
    int32_t pixelsPerInch_ = 96;
};

class Win32FontSource : public FontSource {
public:
    std::unique_ptr<Font> OpenFont(const FontRequest& request) override;
};

class Win32Surface : public Surface {
public:
    explicit Win32Surface(HDC dc) : dc_(dc) {}
    void Fill(const Rect& area, Color color) override;
    void DrawRun(const Font& font, int32_t x, int32_t y, const char* text, int32_t count,
                 const int32_t* advances, Color color) override;
    void SetClip(const Rect& area) override;
    Rect ClipBounds() const override;
    Color SystemColor(SurfaceColor which) const override;

private:
    HDC dc_;
};

Win32FontSource& TheWin32FontSource();
