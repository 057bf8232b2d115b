// Places a Dialog's controls in rows as their layout flags say: a new-row bit starts
// a row, an indent shifts a control by 4 % of the width, width groups share their
// widest member's width, natural-width controls keep theirs and the others divide
// what is left; spare height goes to rows that can grow (multi-line edits, lists).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Surface.h"
#include "ui/Dialog.h"

struct ControlSize {
    int32_t width = 0;
    int32_t height = 0;
};

// The host measures its native controls; the layout only needs the natural size.
class ControlMeasurer {
public:
    virtual ~ControlMeasurer() = default;
    virtual ControlSize NaturalSize(const DialogControl& control) const = 0;
};

// Measures as the headless monospace font would draw: 8 pixels a character, 16 a
// line, with fixed allowances for borders, boxes and buttons.
class MonospaceControlMeasurer : public ControlMeasurer {
public:
    static constexpr int32_t kCharWidth = 8;
    static constexpr int32_t kLineHeight = 16;
    ControlSize NaturalSize(const DialogControl& control) const override;
};

struct FlowLayoutResult {
    std::vector<Rect> rects;  // one per control, in dialog coordinates
    // The smallest client area that holds every row at natural widths.
    int32_t naturalWidth = 0;
    int32_t naturalHeight = 0;
};

// The gap in pixels between controls and around the dialog's edge: the standard gap
// of 6 pixels times the interface gap factor, rounded.
constexpr int32_t kStandardDialogGap = 6;
int32_t DialogGap(double gapFactor);
// DialogGap of the framework's "GapFactor" setting.
int32_t DialogGapFromSettings();

// Controls that keep their natural width whatever their flags say.
bool HasFixedWidth(const DialogControl& control);
// Controls that take a share of the spare height.
bool CanGrowInHeight(const DialogControl& control);

// Lays the controls out in a client area of width x height with `gap` pixels between
// controls and as the margin. Rows that do not fit are not wrapped: controls then get
// less than their natural width (never below zero).
FlowLayoutResult FlowLayout(const Dialog& dialog, const ControlMeasurer& measurer, int32_t width,
                            int32_t height, int32_t gap);
