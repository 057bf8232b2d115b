#include <gtest/gtest.h>

#include <set>

#include "ui/ToolbarArt.h"

namespace {

// A missing drawing, or two buttons drawn alike, would show as a blank or a repeated
// picture on the toolbar.
TEST(ToolbarArt, EveryPictureIsDrawnAndDiffersFromTheOthersAtEachSize) {
    for (int32_t size : {16, 24, 32}) {
        std::set<std::vector<uint32_t>> pictures;
        for (int32_t i = 0; i < int32_t(ToolbarImage::kCount); ++i) {
            ToolbarPicture picture = DrawToolbarImage(ToolbarImage(i), size);
            ASSERT_EQ(picture.pixels.size(), size_t(size * size));
            int32_t opaque = 0, clear = 0;
            for (uint32_t pixel : picture.pixels) {
                opaque += (pixel >> 24) == 0xFF;
                clear += (pixel >> 24) == 0;
            }
            // Enough ink to be seen, and a transparent background around it.
            EXPECT_GT(opaque, size * size / 20) << i << " at " << size;
            EXPECT_GT(clear, size * size / 10) << i << " at " << size;
            EXPECT_TRUE(pictures.insert(picture.pixels).second) << i << " at " << size;
        }
    }
}

TEST(ToolbarArt, PictureSizeFollowsTheToolbarHeight) {
    EXPECT_EQ(ToolbarImageSize(22), 16);
    EXPECT_EQ(ToolbarImageSize(32), 24);
    EXPECT_EQ(ToolbarImageSize(48), 32);
}

}  // namespace
