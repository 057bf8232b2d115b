#include "platform/headless/HeadlessSurface.h"

#include <algorithm>

namespace {

Rect Intersection(const Rect& a, const Rect& b) {
    Rect r;
    r.left = std::max(a.left, b.left);
    r.top = std::max(a.top, b.top);
    r.right = std::min(a.right, b.right);
    r.bottom = std::min(a.bottom, b.bottom);
    return r;
}

}  // namespace

void HeadlessSurface::Fill(const Rect& area, Color color) {
    Rect clipped = Intersection(area, clip_);
    if (!clipped.IsEmpty()) fills_.push_back({clipped, color});
}

void HeadlessSurface::DrawRun(const Font&, int32_t x, int32_t y, const char* text,
                              int32_t count, const int32_t* advances, Color color) {
    if (count <= 0) return;
    RecordedRun run;
    run.x = x;
    run.y = y;
    run.text.Assign(text, count);
    run.advances.assign(advances, advances + count);
    run.color = color;
    runs_.push_back(std::move(run));
}

void HeadlessSurface::SetClip(const Rect& area) {
    clip_ = Intersection(area, bounds_);
}

Color HeadlessSurface::SystemColor(SurfaceColor which) const {
    switch (which) {
    case SurfaceColor::Window: return kWindow;
    case SurfaceColor::WindowText: return kWindowText;
    case SurfaceColor::Selection: return kSelection;
    case SurfaceColor::SelectionText: return kSelectionText;
    case SurfaceColor::DisabledText: return kDisabledText;
    }
    return kWindowText;
}

String HeadlessSurface::TextAtY(int32_t y) const {
    std::vector<const RecordedRun*> row;
    for (const RecordedRun& run : runs_) {
        if (run.y == y) row.push_back(&run);
    }
    std::stable_sort(row.begin(), row.end(),
                     [](const RecordedRun* a, const RecordedRun* b) { return a->x < b->x; });
    String text;
    for (const RecordedRun* run : row) text.Append(run->text);
    return text;
}
