#include "platform/win32/Win32Drawing.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/Win32Framework.h"

Win32Font::Win32Font(HFONT handle, HDC dc) : handle_(handle) {
    HGDIOBJ old = SelectObject(dc, handle_);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    height_ = metrics.tmHeight;
    averageWidth_ = metrics.tmAveCharWidth;
    // The flag's name says the opposite of what it means: set = variable pitch.
    fixedPitch_ = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
    pixelsPerInch_ = GetDeviceCaps(dc, LOGPIXELSX);

    INT widths[256] = {};
    if (GetCharWidth32A(dc, 0, 255, widths)) {
        for (int i = 0; i < 256; ++i) widths_[i] = widths[i];
    } else {
        for (int i = 0; i < 256; ++i) widths_[i] = averageWidth_;
    }
    ABC abc[256] = {};
    if (GetCharABCWidthsA(dc, 0, 255, abc)) {
        for (int i = 0; i < 256; ++i) overhangs_[i] = abc[i].abcC < 0 ? -abc[i].abcC : 0;
    }
    DWORD pairCount = GetKerningPairsA(dc, 0, nullptr);
    if (pairCount > 0) {
        std::vector<KERNINGPAIR> pairs(pairCount);
        pairCount = GetKerningPairsA(dc, pairCount, pairs.data());
        for (DWORD i = 0; i < pairCount; ++i) {
            const KERNINGPAIR& p = pairs[i];
            if (p.wFirst > 255 || p.wSecond > 255 || p.iKernAmount == 0) continue;
            kerning_.push_back({uint16_t(p.wFirst << 8 | p.wSecond), int16_t(p.iKernAmount)});
        }
        std::sort(kerning_.begin(), kerning_.end());
    }
    SelectObject(dc, old);
}

Win32Font::~Win32Font() {
    DeleteObject(handle_);
}

int32_t Win32Font::Kerning(uint8_t first, uint8_t second) const {
    uint16_t key = uint16_t(first << 8 | second);
    auto it = std::lower_bound(kerning_.begin(), kerning_.end(), std::make_pair(key, int16_t(INT16_MIN)));
    return it != kerning_.end() && it->first == key ? it->second : 0;
}

std::unique_ptr<Font> Win32FontSource::OpenFont(const FontRequest& request) {
    HDC dc = GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(int(request.points * 10 + 0.5), GetDeviceCaps(dc, LOGPIXELSY), 720);
    lf.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = request.italic ? TRUE : FALSE;
    lf.lfCharSet = BYTE(request.charset);
    lf.lfPitchAndFamily = request.fixedPitch ? (FIXED_PITCH | FF_MODERN) : DEFAULT_PITCH;
    lf.lfQuality = DEFAULT_QUALITY;
    const char* face = request.face.c_str();
    // The bitmap "System" face measures badly at every size but its own.
    if (lstrcmpiA(face, "System") == 0) face = "Arial";
    if (*face == 0) face = request.fixedPitch ? "Courier New" : "Arial";
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    HFONT handle = CreateFontIndirectA(&lf);
    if (!handle) handle = static_cast<HFONT>(GetStockObject(request.fixedPitch ? ANSI_FIXED_FONT : DEFAULT_GUI_FONT));
    auto font = std::make_unique<Win32Font>(handle, dc);
    ReleaseDC(nullptr, dc);
    return font;
}

Win32FontSource& TheWin32FontSource() {
    static Win32FontSource source;
    return source;
}

void Win32Surface::Fill(const Rect& area, Color color) {
    RECT r = {area.left, area.top, area.right, area.bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void Win32Surface::DrawRun(const Font& font, int32_t x, int32_t y, const char* text, int32_t count,
                           const int32_t* advances, Color color) {
    if (count <= 0) return;
    auto* win32Font = dynamic_cast<const Win32Font*>(&font);
    HGDIOBJ old = SelectObject(dc_, win32Font ? win32Font->Handle() : TheWin32Framework().defaultFont);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, color);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    // ExtTextOut takes the same advances the layout measured, so drawn glyphs land
    // exactly where hit-testing and the caret expect them.
    static_assert(sizeof(INT) == sizeof(int32_t));
    ExtTextOutA(dc_, x, y, 0, nullptr, text, UINT(count), reinterpret_cast<const INT*>(advances));
    SelectObject(dc_, old);
}

void Win32Surface::SetClip(const Rect& area) {
    HRGN region = CreateRectRgn(area.left, area.top, area.right, area.bottom);
    SelectClipRgn(dc_, region);
    DeleteObject(region);
}

Rect Win32Surface::ClipBounds() const {
    RECT r = {};
    GetClipBox(dc_, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

Color Win32Surface::SystemColor(SurfaceColor which) const {
    switch (which) {
        case SurfaceColor::Window: return GetSysColor(COLOR_WINDOW);
        case SurfaceColor::WindowText: return GetSysColor(COLOR_WINDOWTEXT);
        case SurfaceColor::Selection: return GetSysColor(COLOR_HIGHLIGHT);
        case SurfaceColor::SelectionText: return GetSysColor(COLOR_HIGHLIGHTTEXT);
        case SurfaceColor::DisabledText: return GetSysColor(COLOR_GRAYTEXT);
    }
    return GetSysColor(COLOR_WINDOWTEXT);
}
