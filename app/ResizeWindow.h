// The "Resize Window" dialog: the main window's outer width and height in pixels.
#pragma once

#include <cstdint>

#include "ui/Dialog.h"

class FrameHost;

// The dialog's layout; the two edits are at these positions.
Dialog MakeResizeWindowDialog(int32_t width, int32_t height);
constexpr int32_t kResizeWidthEdit = 1;
constexpr int32_t kResizeHeightEdit = 4;
constexpr int32_t kResizeMinimum = 100;
constexpr int32_t kResizeMaximum = 16384;

// Asks for the new size and applies it on OK, keeping the window's top left corner;
// false when nothing changed.
bool ResizeWindow(FrameHost& frame);
