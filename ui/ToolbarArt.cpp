#include "ui/ToolbarArt.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>

namespace {

// A flat palette after the classic 16-colour toolbar glyphs.
constexpr uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kDark = 0xFF808080, kLight = 0xFFC0C0C0,
                   kNavy = 0xFF000080, kBlue = 0xFF2060D0, kRed = 0xFFD02020, kMaroon = 0xFF800000,
                   kYellow = 0xFFF8D048, kOchre = 0xFFC09020, kGreen = 0xFF109010, kTeal = 0xFF008080,
                   kText = 0xFF404040, kPale = 0xFFE8E8E8;

struct Point {
    float x, y;
};

// Paints on a 16-unit grid scaled to the picture: boxes snap to whole pixels so the
// common upright shapes stay sharp at every size; slanted and round shapes are
// anti-aliased by sampling each pixel 4x4.
class Painter {
public:
    explicit Painter(int32_t size)
        : size_(size), scale_(float(size) / 16.0f), rgba_(size_t(size) * size_t(size) * 4, 0.0f) {}

    void Box(float x0, float y0, float x1, float y1, uint32_t color) {
        int32_t left = Snap(x0), top = Snap(y0), right = Snap(x1), bottom = Snap(y1);
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) Blend(x, y, color, 1.0f);
        }
    }

    // A box with a one-pixel border (two from 32 pixels up) and a filling.
    void Frame(float x0, float y0, float x1, float y1, uint32_t border, uint32_t fill) {
        int32_t w = Thin();
        int32_t left = Snap(x0), top = Snap(y0), right = Snap(x1), bottom = Snap(y1);
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) {
                bool edge = x < left + w || x >= right - w || y < top + w || y >= bottom - w;
                Blend(x, y, edge ? border : fill, 1.0f);
            }
        }
    }

    void Polygon(std::initializer_list<Point> points, uint32_t color) {
        std::vector<Point> p(points);
        Cover(Bounds(p), color, [&](float x, float y) {
            bool inside = false;
            for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
                if ((p[i].y > y) != (p[j].y > y) &&
                    x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x) {
                    inside = !inside;
                }
            }
            return inside;
        });
    }

    // A filled polygon with a thin outline.
    void Shape(std::initializer_list<Point> points, uint32_t border, uint32_t fill) {
        Polygon(points, fill);
        std::vector<Point> p(points);
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) Line(p[j], p[i], 0.0f, border);
    }

    // Width 0 draws the thinnest line the size allows.
    void Line(Point a, Point b, float width, uint32_t color) {
        float half = std::max(float(Thin()), width * scale_) / 2.0f / scale_;
        Bound box{std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
                  std::max(a.y, b.y) + half};
        float dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        Cover(box, color, [&](float x, float y) {
            float t = length2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / length2, 0.0f, 1.0f) : 0.0f;
            float ex = a.x + t * dx - x, ey = a.y + t * dy - y;
            return ex * ex + ey * ey <= half * half;
        });
    }

    void Lines(std::initializer_list<Point> points, float width, uint32_t color) {
        const Point* previous = nullptr;
        for (const Point& p : points) {
            if (previous) Line(*previous, p, width, color);
            previous = &p;
        }
    }

    void Disc(float cx, float cy, float r, uint32_t color) {
        Cover({cx - r, cy - r, cx + r, cy + r}, color,
              [&](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; });
    }

    // Part of a circle's rim, angles in degrees counter-clockwise from east.
    void Arc(float cx, float cy, float r, float width, float from, float to, uint32_t color) {
        float half = std::max(float(Thin()), width * scale_) / 2.0f / scale_;
        Cover({cx - r - half, cy - r - half, cx + r + half, cy + r + half}, color, [&](float x, float y) {
            float d = std::hypot(x - cx, y - cy);
            if (std::fabs(d - r) > half) return false;
            float angle = std::atan2(cy - y, x - cx) * 180.0f / 3.14159265f;
            if (angle < from) angle += 360.0f;
            return angle <= to;
        });
    }

    // Clears what lies under the polygon, to cut shapes out of what is drawn already.
    void Erase(std::initializer_list<Point> points) {
        erasing_ = true;
        Polygon(points, 0);
        erasing_ = false;
    }

    ToolbarPicture Picture() const {
        ToolbarPicture picture;
        picture.size = size_;
        picture.pixels.resize(size_t(size_) * size_t(size_));
        for (size_t i = 0; i < picture.pixels.size(); ++i) {
            const float* p = &rgba_[i * 4];
            auto channel = [](float v) { return uint32_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
            float a = p[3];
            picture.pixels[i] = a <= 0 ? 0
                                       : channel(a) << 24 | channel(p[0] / a) << 16 | channel(p[1] / a) << 8 |
                                             channel(p[2] / a);
        }
        return picture;
    }

private:
    struct Bound {
        float x0, y0, x1, y1;
    };

    int32_t Snap(float units) const { return std::clamp(int32_t(std::lround(units * scale_)), 0, size_); }
    int32_t Thin() const { return std::max(1, int32_t(scale_)); }

    static Bound Bounds(const std::vector<Point>& p) {
        Bound b{p[0].x, p[0].y, p[0].x, p[0].y};
        for (const Point& q : p) {
            b.x0 = std::min(b.x0, q.x), b.y0 = std::min(b.y0, q.y);
            b.x1 = std::max(b.x1, q.x), b.y1 = std::max(b.y1, q.y);
        }
        return b;
    }

    void Cover(Bound b, uint32_t color, const std::function<bool(float, float)>& inside) {
        constexpr int kSamples = 4;
        int32_t left = std::max(0, int32_t(std::floor(b.x0 * scale_)));
        int32_t top = std::max(0, int32_t(std::floor(b.y0 * scale_)));
        int32_t right = std::min(size_, int32_t(std::ceil(b.x1 * scale_)));
        int32_t bottom = std::min(size_, int32_t(std::ceil(b.y1 * scale_)));
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        hits += inside((float(x) + (sx + 0.5f) / kSamples) / scale_,
                                       (float(y) + (sy + 0.5f) / kSamples) / scale_);
                    }
                }
                if (hits) Blend(x, y, color, float(hits) / (kSamples * kSamples));
            }
        }
    }

    // Premultiplied "over"; erasing takes coverage away instead.
    void Blend(int32_t x, int32_t y, uint32_t color, float coverage) {
        float* p = &rgba_[(size_t(y) * size_t(size_) + size_t(x)) * 4];
        if (erasing_) {
            for (int i = 0; i < 4; ++i) p[i] *= 1.0f - coverage;
            return;
        }
        float a = float(color >> 24) / 255.0f * coverage;
        float rgb[3] = {float((color >> 16) & 0xFF) / 255.0f, float((color >> 8) & 0xFF) / 255.0f,
                        float(color & 0xFF) / 255.0f};
        for (int i = 0; i < 3; ++i) p[i] = rgb[i] * a + p[i] * (1.0f - a);
        p[3] = a + p[3] * (1.0f - a);
    }

    int32_t size_;
    float scale_;
    std::vector<float> rgba_;
    bool erasing_ = false;
};

// Shapes shared by several pictures.

void Page(Painter& p, float x0, float y0, float x1, float y1, float fold) {
    p.Frame(x0, y0, x1, y1, kBlack, kWhite);
    if (fold <= 0) return;
    p.Erase({{x1 - fold, y0}, {x1 + 1, y0}, {x1 + 1, y0 + fold + 1}});
    p.Shape({{x1 - fold - 0.5f, y0 + 0.5f}, {x1 - 0.5f, y0 + fold + 0.5f}, {x1 - fold - 0.5f, y0 + fold + 0.5f}},
            kBlack, kLight);
}

void TextLines(Painter& p, float x0, float y0, std::initializer_list<float> ends, float gap, uint32_t color) {
    float y = y0;
    for (float end : ends) {
        p.Box(x0, y, end, y + 1, color);
        y += gap;
    }
}

void Floppy(Painter& p, float x0, float y0, float x1, float y1) {
    p.Frame(x0, y0, x1, y1, kBlack, kNavy);
    float w = x1 - x0;
    p.Box(x0 + w * 0.25f, y0 + 1, x1 - w * 0.2f, y0 + (y1 - y0) * 0.4f, kLight);
    p.Box(x1 - w * 0.4f, y0 + 2, x1 - w * 0.28f, y0 + (y1 - y0) * 0.4f - 1, kNavy);
    p.Box(x0 + 2, y1 - (y1 - y0) * 0.45f, x1 - 2, y1 - 1, kWhite);
}

void Magnifier(Painter& p, float cx, float cy, float r) {
    p.Disc(cx, cy, r, 0xC0D8F0FF);
    p.Arc(cx, cy, r, 1.6f, 0, 360, kBlack);
    p.Line({cx + r * 0.75f, cy + r * 0.75f}, {cx + r * 1.9f, cy + r * 1.9f}, 2.4f, kBlack);
}

void Pencil(Painter& p, Point tip, float length) {
    float d = length / 1.4142f;
    p.Line({tip.x + 1.2f, tip.y - 1.2f}, {tip.x + d, tip.y - d}, 3.0f, kBlack);
    p.Line({tip.x + 1.2f, tip.y - 1.2f}, {tip.x + d, tip.y - d}, 1.6f, kYellow);
    p.Polygon({{tip.x, tip.y}, {tip.x + 0.2f, tip.y - 2.2f}, {tip.x + 2.2f, tip.y - 0.2f}}, kOchre);
    p.Disc(tip.x + d, tip.y - d, 1.1f, kRed);
}

// An arrow from `from` to `to` with a solid head.
void Arrow(Painter& p, Point from, Point to, float head, uint32_t color) {
    float dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
    float ux = dx / length, uy = dy / length;
    Point base{to.x - ux * head, to.y - uy * head};
    p.Line(from, base, 1.6f, color);
    p.Polygon({to, {base.x - uy * head * 0.8f, base.y + ux * head * 0.8f},
               {base.x + uy * head * 0.8f, base.y - ux * head * 0.8f}},
              color);
}

void Ribbon(Painter& p, float x0, float y0, float x1, float y1) {
    float mid = (x0 + x1) / 2;
    p.Shape({{x0, y0}, {x1, y0}, {x1, y1}, {mid, y1 - (x1 - x0) * 0.6f}, {x0, y1}}, kMaroon, kRed);
}

void Keyboard(Painter& p, float y0) {
    p.Frame(1, y0, 15, y0 + 6, kBlack, kLight);
    for (float x = 3; x < 13; x += 2) p.Box(x, y0 + 1.5f, x + 1, y0 + 2.5f, kDark);
    p.Box(4, y0 + 3.5f, 12, y0 + 4.5f, kDark);
}

void LetterA(Painter& p, float x, float y, float w, float h, uint32_t color) {
    p.Lines({{x, y + h}, {x + w / 2, y}, {x + w, y + h}}, 1.4f, color);
    p.Line({x + w * 0.25f, y + h * 0.62f}, {x + w * 0.75f, y + h * 0.62f}, 1.2f, color);
}

void Check(Painter& p, float x, float y, float s, uint32_t color) {
    p.Lines({{x, y}, {x + s * 0.35f, y + s * 0.4f}, {x + s, y - s * 0.5f}}, 2.0f, color);
}

void Draw(Painter& p, ToolbarImage image) {
    switch (image) {
        case ToolbarImage::kNone:
        case ToolbarImage::kCount:
            return;
        case ToolbarImage::kNew:
            Page(p, 3, 1, 13, 15, 4);
            return;
        case ToolbarImage::kOpen:
            p.Shape({{1.5f, 3.5f}, {5.5f, 3.5f}, {6.5f, 4.5f}, {12.5f, 4.5f}, {12.5f, 13.5f}, {1.5f, 13.5f}},
                    kBlack, kOchre);
            p.Shape({{4.5f, 7.5f}, {15.5f, 7.5f}, {12.5f, 13.5f}, {1.5f, 13.5f}}, kBlack, kYellow);
            return;
        case ToolbarImage::kSave:
            Floppy(p, 1, 1, 15, 15);
            return;
        case ToolbarImage::kSaveAs:
            Floppy(p, 1, 1, 12, 12);
            Pencil(p, {8.5f, 15.2f}, 9);
            return;
        case ToolbarImage::kClose:
            Page(p, 1, 1, 11, 15, 3);
            p.Line({8.5f, 8.5f}, {14.5f, 14.5f}, 2.4f, kRed);
            p.Line({14.5f, 8.5f}, {8.5f, 14.5f}, 2.4f, kRed);
            return;
        case ToolbarImage::kCut:
            p.Line({5, 1}, {10.5f, 10}, 1.6f, kDark);
            p.Line({11, 1}, {5.5f, 10}, 1.6f, kDark);
            p.Arc(4.5f, 12, 2.4f, 1.6f, 0, 360, kNavy);
            p.Arc(11.5f, 12, 2.4f, 1.6f, 0, 360, kNavy);
            p.Disc(8, 6.6f, 0.8f, kBlack);
            return;
        case ToolbarImage::kCopy:
            Page(p, 1, 1, 10, 12, 0);
            TextLines(p, 3, 4, {8, 7, 8}, 2, kDark);
            Page(p, 6, 5, 15, 15, 0);
            TextLines(p, 8, 8, {13, 12, 13}, 2, kNavy);
            return;
        case ToolbarImage::kPaste:
            p.Frame(1, 2, 12, 15, kBlack, kOchre);
            p.Frame(4, 1, 9, 4, kBlack, kLight);
            Page(p, 6, 6, 15, 15, 0);
            TextLines(p, 8, 9, {13, 12, 13}, 2, kNavy);
            return;
        case ToolbarImage::kSearch:
            Magnifier(p, 6.5f, 6.5f, 4.2f);
            return;
        case ToolbarImage::kSearchAndReplace:
            Magnifier(p, 5, 5, 3.4f);
            Pencil(p, {7.5f, 15}, 9.5f);
            return;
        case ToolbarImage::kSearchContinue:
            Magnifier(p, 5, 5, 3.4f);
            Arrow(p, {6.5f, 13}, {15.5f, 13}, 3.4f, kGreen);
            return;
        case ToolbarImage::kUndo:
            p.Arc(8.5f, 9, 5, 2.0f, -90, 150, kBlue);
            p.Polygon({{0.5f, 5.5f}, {6.5f, 4.0f}, {3.0f, 10.5f}}, kBlue);
            return;
        case ToolbarImage::kAlphabetize:
            LetterA(p, 1, 1, 5, 6, kNavy);
            p.Lines({{1.5f, 9}, {6, 9}, {1.5f, 15}, {6.5f, 15}}, 1.4f, kNavy);
            Arrow(p, {11.5f, 1}, {11.5f, 15.5f}, 4, kBlack);
            return;
        case ToolbarImage::kBookmarkRetrieve:
            Ribbon(p, 9, 1, 15, 15);
            Arrow(p, {0.5f, 8}, {8.5f, 8}, 3.6f, kBlue);
            return;
        case ToolbarImage::kBookmarkSet:
            Ribbon(p, 2, 1, 9, 15);
            p.Box(11, 5, 12.5f, 14, kGreen);
            p.Box(7.5f, 8.75f, 16, 10.25f, kGreen);
            return;
        case ToolbarImage::kCalculator:
            p.Frame(2, 0, 14, 16, kBlack, kLight);
            p.Frame(3.5f, 1.5f, 12.5f, 5, kBlack, 0xFFB8E0B0);
            for (float y = 6.5f; y < 15; y += 3) {
                for (float x = 3.5f; x < 12; x += 3) p.Box(x, y, x + 2, y + 2, x > 9 ? kRed : kText);
            }
            return;
        case ToolbarImage::kCalendar:
            p.Frame(1, 2, 15, 15, kBlack, kWhite);
            p.Box(1, 2, 15, 6, kRed);
            p.Box(4, 1, 5, 4, kBlack);
            p.Box(11, 1, 12, 4, kBlack);
            for (float y = 7.5f; y < 14; y += 2.5f) {
                for (float x = 3; x < 14; x += 3) p.Box(x, y, x + 1.5f, y + 1.5f, x == 6 && y > 9 ? kRed : kDark);
            }
            return;
        case ToolbarImage::kCharacterMap:
            p.Frame(0, 0, 13, 13, kDark, kWhite);
            for (float v = 3; v < 13; v += 3) {
                p.Box(v, 0, v + 1, 13, kLight);
                p.Box(0, v, 13, v + 1, kLight);
            }
            p.Frame(6, 6, 16, 16, kBlack, kNavy);
            LetterA(p, 8, 8, 6, 6, kWhite);
            return;
        case ToolbarImage::kDiscardDuplicates:
            TextLines(p, 1, 1, {14, 10, 12}, 2, kText);
            TextLines(p, 1, 9, {14, 10, 12}, 2, kDark);
            p.Line({4, 8}, {12, 15.5f}, 2.2f, kRed);
            p.Line({12, 8}, {4, 15.5f}, 2.2f, kRed);
            return;
        case ToolbarImage::kIndentSpace:
            TextLines(p, 7, 2, {15, 15, 15, 15, 15}, 3, kText);
            p.Lines({{1, 8}, {1, 11}, {5, 11}, {5, 8}}, 1.4f, kBlue);
            return;
        case ToolbarImage::kIndentTab:
            TextLines(p, 7, 2, {15, 15, 15, 15, 15}, 3, kText);
            Arrow(p, {0.5f, 9.5f}, {5, 9.5f}, 2.8f, kBlue);
            p.Box(5, 7, 6, 12, kBlue);
            return;
        case ToolbarImage::kJumpToLine:
            TextLines(p, 6, 2, {15, 13, 15, 12, 14}, 3, kDark);
            p.Box(5, 7, 16, 10, kNavy);
            Arrow(p, {0, 8.5f}, {5, 8.5f}, 3, kGreen);
            return;
        case ToolbarImage::kJumpToOffset:
            for (float x = 1; x < 15; x += 3) p.Frame(x, 9, x + 3, 15, kDark, x == 7 ? kNavy : kWhite);
            Arrow(p, {8.5f, 0.5f}, {8.5f, 8}, 3.2f, kGreen);
            return;
        case ToolbarImage::kMacroManager:
            Keyboard(p, 9);
            p.Frame(3, 0, 13, 8, kBlack, kWhite);
            TextLines(p, 5, 2, {11, 11}, 3, kNavy);
            return;
        case ToolbarImage::kMacroRecord:
            Keyboard(p, 9);
            p.Disc(8, 4.2f, 3.8f, kRed);
            return;
        case ToolbarImage::kMacroPlay:
            Keyboard(p, 9);
            p.Polygon({{5, 0.5f}, {12, 4.2f}, {5, 8}}, kGreen);
            return;
        case ToolbarImage::kNormalizeSpaces:
            p.Box(0, 3, 4, 6, kText);
            p.Box(12, 3, 16, 6, kText);
            Arrow(p, {0.5f, 11}, {7, 11}, 2.8f, kBlue);
            Arrow(p, {15.5f, 11}, {9, 11}, 2.8f, kBlue);
            return;
        case ToolbarImage::kPrint:
            p.Frame(4, 1, 12, 8, kBlack, kWhite);
            p.Frame(1, 6, 15, 13, kBlack, kLight);
            p.Box(11, 8, 13, 9, kGreen);
            p.Frame(3, 11, 13, 15, kBlack, kWhite);
            return;
        case ToolbarImage::kRandomize:
            p.Shape({{2.5f, 1.5f}, {13.5f, 1.5f}, {14.5f, 2.5f}, {14.5f, 13.5f}, {13.5f, 14.5f}, {2.5f, 14.5f},
                     {1.5f, 13.5f}, {1.5f, 2.5f}},
                    kBlack, kWhite);
            for (Point dot : {Point{4.8f, 4.8f}, Point{11.2f, 4.8f}, Point{8, 8}, Point{4.8f, 11.2f},
                              Point{11.2f, 11.2f}}) {
                p.Disc(dot.x, dot.y, 1.4f, kMaroon);
            }
            return;
        case ToolbarImage::kReverseParagraphs:
            TextLines(p, 0, 1, {9, 7}, 2, kText);
            TextLines(p, 0, 11, {9, 7}, 2, kDark);
            Arrow(p, {13, 8}, {13, 0.5f}, 3, kBlue);
            Arrow(p, {13, 8}, {13, 15.5f}, 3, kBlue);
            return;
        case ToolbarImage::kReverseCharacters:
            for (float x = 1; x < 15; x += 3.5f) p.Box(x, 2, x + 2.5f, 7, x < 8 ? kText : kDark);
            Arrow(p, {8, 12}, {0.5f, 12}, 3, kBlue);
            Arrow(p, {8, 12}, {15.5f, 12}, 3, kBlue);
            return;
        case ToolbarImage::kSpellCheck:
            LetterA(p, 0.5f, 1, 4.5f, 6, kNavy);
            p.Lines({{6.5f, 7}, {6.5f, 1}, {8.5f, 1.5f}, {8.5f, 3.5f}, {6.5f, 4}, {9, 4.5f}, {9, 6.5f}, {6.5f, 7}},
                    1.2f, kNavy);
            p.Arc(13, 4, 2.5f, 1.3f, 45, 315, kNavy);
            Check(p, 4, 12, 10, kGreen);
            return;
        case ToolbarImage::kStatistics:
            p.Box(1, 15, 16, 16, kBlack);
            p.Box(1, 0, 2, 16, kBlack);
            p.Frame(3, 8, 6, 15, kBlack, kBlue);
            p.Frame(7, 3, 10, 15, kBlack, kRed);
            p.Frame(11, 10, 14, 15, kBlack, kGreen);
            return;
        case ToolbarImage::kTrimTrailingSpaces:
            TextLines(p, 1, 2, {8, 6, 9, 5}, 3.5f, kText);
            for (float y = 2; y < 14; y += 3.5f) {
                for (float x = 10; x < 15; x += 2) p.Box(x, y, x + 1, y + 1, kLight);
            }
            p.Box(9.5f, 0, 11, 16, kRed);
            return;
        case ToolbarImage::kUnindent:
            TextLines(p, 7, 2, {15, 15, 15, 15, 15}, 3, kText);
            Arrow(p, {6, 9.5f}, {1.5f, 9.5f}, 2.8f, kBlue);
            p.Box(0, 7, 1, 12, kBlue);
            return;
    }
}

}  // namespace

ToolbarPicture DrawToolbarImage(ToolbarImage image, int32_t size) {
    Painter painter(size);
    Draw(painter, image);
    return painter.Picture();
}

int32_t ToolbarImageSize(int32_t toolbarHeight) {
    // The button frame takes about 8 pixels around the picture.
    if (toolbarHeight >= 40) return 32;
    if (toolbarHeight >= 30) return 24;
    return 16;
}
