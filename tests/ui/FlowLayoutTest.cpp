#include <gtest/gtest.h>

#include "core/Settings.h"
#include "ui/DialogLanguage.h"
#include "ui/DialogResources.h"
#include "ui/FlowLayout.h"

namespace {

// Ten pixels a caption character plus ten; rows 20 high, growable controls 40.
struct TenPixelMeasurer : ControlMeasurer {
    ControlSize NaturalSize(const DialogControl& c) const override {
        return {10 * c.caption.Length() + 10, CanGrowInHeight(c) ? 40 : 20};
    }
};

Dialog Build(const char* text) {
    ListedDialogResources none;
    Dialog dialog;
    EXPECT_TRUE(ParseLayout(dialog, text, none));
    return dialog;
}

TEST(FlowLayout, GroupsIndentAndSequentialDivisionOfTheRow) {
    Dialog d = Build("text { text='abc'; widthgroup=1 }; edit { samerow }; edit { samerow }; edit { samerow };"
                     "text { text='abcdefg'; widthgroup=1; indent }; checkbox { samerow; text='x' }");
    FlowLayoutResult r = FlowLayout(d, TenPixelMeasurer(), 200, 100, 5);
    // The group takes its widest member (80) on both rows; 95 pixels are left for the
    // three edits of the first row, 31 + 32 + 32; the indent is 4 % of 190, rounded.
    EXPECT_EQ(r.rects[0], (Rect{5, 5, 85, 25}));
    EXPECT_EQ(r.rects[1], (Rect{90, 5, 121, 25}));
    EXPECT_EQ(r.rects[2], (Rect{126, 5, 158, 25}));
    EXPECT_EQ(r.rects[3], (Rect{163, 5, 195, 25}));
    EXPECT_EQ(r.rects[4], (Rect{13, 30, 93, 50}));
    EXPECT_EQ(r.rects[5], (Rect{98, 30, 195, 50}));
    EXPECT_EQ(r.naturalWidth, 135);
    EXPECT_EQ(r.naturalHeight, 55);
}

TEST(FlowLayout, NaturalWidthCoversTheIndentItGrowsWith) {
    Dialog d = Build("edit { indent; label='xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' }");
    FlowLayoutResult r = FlowLayout(d, TenPixelMeasurer(), 0, 0, 0);
    // 400 pixels of edit and an indent of 4 % of the whole: 417 is the first width
    // whose indent (17) still leaves 400.
    EXPECT_EQ(r.naturalWidth, 417);
    FlowLayoutResult fit = FlowLayout(d, TenPixelMeasurer(), r.naturalWidth, 20, 0);
    EXPECT_EQ(fit.rects[0].Width(), 400);
}

TEST(FlowLayout, SpareHeightGoesInTurnToRowsThatCanGrow) {
    Dialog d = Build("edit { multiline }; text { text='a' }; list; edit { multiline }; button { samerow }");
    FlowLayoutResult r = FlowLayout(d, TenPixelMeasurer(), 100, 200, 5);
    // 165 used, 35 spare: 11, 12, 12. The lone text keeps its natural width and its
    // height; the button beside the last edit keeps its natural height.
    EXPECT_EQ(r.rects[0], (Rect{5, 5, 95, 56}));
    EXPECT_EQ(r.rects[1], (Rect{5, 61, 25, 81}));
    EXPECT_EQ(r.rects[2], (Rect{5, 86, 95, 138}));
    EXPECT_EQ(r.rects[3].bottom, 195);
    EXPECT_EQ(r.rects[4].Height(), 20);
    EXPECT_EQ(r.rects[4].Width(), 10);
    EXPECT_EQ(r.naturalHeight, 165);
}

TEST(FlowLayout, GapFollowsTheInterfaceGapSetting) {
    RegisterFrameworkSettings();
    EXPECT_EQ(DialogGapFromSettings(), kStandardDialogGap);
    EXPECT_EQ(DialogGap(1.5), 9);
    EXPECT_EQ(DialogGap(0.0), 0);
}

}  // namespace
