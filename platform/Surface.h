// A place to draw on: a window's client area during painting, a memory bitmap, or a
// printer page. Coordinates are device pixels with the origin at the top left.
#pragma once

#include <cstdint>

class Font;

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    bool Intersects(const Rect& other) const {
        return left < other.right && other.left < right && top < other.bottom &&
               other.top < bottom;
    }
    bool operator==(const Rect&) const = default;
};

// 0x00BBGGRR, the platform's own colour layout, so hosts pass it through unchanged.
using Color = uint32_t;

constexpr Color MakeColor(uint8_t red, uint8_t green, uint8_t blue) {
    return Color(red) | (Color(green) << 8) | (Color(blue) << 16);
}

// Colours the user chose in the system's display settings.
enum class SurfaceColor {
    Window,
    WindowText,
    Selection,
    SelectionText,
    DisabledText,
};

class Surface {
public:
    virtual ~Surface() = default;
    virtual void Fill(const Rect& area, Color color) = 0;
    // Draws `count` bytes with a transparent background; the first glyph's cell has its
    // top left corner at (x, y) and each following glyph starts `advances[i]` pixels
    // after glyph i, so that what is drawn lines up with what the layout measured.
    virtual void DrawRun(const Font& font, int32_t x, int32_t y, const char* text,
                         int32_t count, const int32_t* advances, Color color) = 0;
    // Drawing outside `area` is discarded until the clip is set again.
    virtual void SetClip(const Rect& area) = 0;
    // The part that needs drawing (the update region's bounds, clipped).
    virtual Rect ClipBounds() const = 0;
    virtual Color SystemColor(SurfaceColor which) const = 0;
};
