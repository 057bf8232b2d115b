// A surface that records what is drawn on it, for tests of painting: every fill and
// every text run with its position, colour and advances.
#pragma once

#include <vector>

#include "core/String.h"
#include "platform/Surface.h"

struct RecordedFill {
    Rect area;
    Color color = 0;
};

struct RecordedRun {
    int32_t x = 0;
    int32_t y = 0;
    String text;
    std::vector<int32_t> advances;
    Color color = 0;
};

class HeadlessSurface : public Surface {
public:
    // The area that needs painting.
    explicit HeadlessSurface(const Rect& bounds) : bounds_(bounds), clip_(bounds) {}

    void Fill(const Rect& area, Color color) override;
    void DrawRun(const Font& font, int32_t x, int32_t y, const char* text, int32_t count,
                 const int32_t* advances, Color color) override;
    void SetClip(const Rect& area) override;
    Rect ClipBounds() const override { return clip_; }
    Color SystemColor(SurfaceColor which) const override;

    const std::vector<RecordedFill>& Fills() const { return fills_; }
    const std::vector<RecordedRun>& Runs() const { return runs_; }
    // The runs drawn at `y`, joined left to right.
    String TextAtY(int32_t y) const;

    // Fixed colours, distinct from each other.
    static constexpr Color kWindow = MakeColor(255, 255, 255);
    static constexpr Color kWindowText = MakeColor(0, 0, 0);
    static constexpr Color kSelection = MakeColor(0, 0, 128);
    static constexpr Color kSelectionText = MakeColor(255, 255, 254);
    static constexpr Color kDisabledText = MakeColor(128, 128, 128);

private:
    Rect bounds_;
    Rect clip_;
    std::vector<RecordedFill> fills_;
    std::vector<RecordedRun> runs_;
};
