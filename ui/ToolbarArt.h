// The toolbar's pictures, drawn at start-up from shapes laid out on a 16-unit grid, so
// one description serves every button size. Hosts turn the pixels into native images.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/Toolbar.h"

struct ToolbarPicture {
    int32_t size = 0;
    // size*size pixels, rows top-down, 0xAARRGGBB, colour not premultiplied.
    std::vector<uint32_t> pixels;
};

ToolbarPicture DrawToolbarImage(ToolbarImage image, int32_t size);

// The picture size for a toolbar of this height: 16, 24 or 32, leaving room for the
// button's frame.
int32_t ToolbarImageSize(int32_t toolbarHeight);
