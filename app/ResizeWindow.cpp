#include "app/ResizeWindow.h"

#include <algorithm>
#include <cstdlib>

#include "core/Fatal.h"
#include "platform/Ask.h"
#include "platform/Window.h"
#include "ui/DialogLanguage.h"
#include "ui/DialogResources.h"

namespace {

const char kLayout[] =
    "text { text='&Width:'; widthgroup=1 }; "
    "edit { samerow; limit=5; incdec='100,16384,10' }; "
    "text { samerow; text='pixels' }; "
    "text { text='&Height:'; widthgroup=1 }; "
    "edit { samerow; limit=5; incdec='100,16384,10' }; "
    "text { samerow; text='pixels' }";

// What the user typed, brought into the range the edits offer; a field left empty or
// holding no number keeps the size it started with.
int32_t ReadSize(const String& text, int32_t current) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str()) return current;
    return int32_t(std::clamp<long>(value, kResizeMinimum, kResizeMaximum));
}

}  // namespace

Dialog MakeResizeWindowDialog(int32_t width, int32_t height) {
    Dialog dialog("Resize Window");
    // The size edits need neither character sets nor fonts.
    ListedDialogResources none;
    String error;
    if (!ParseLayout(dialog, kLayout, none, nullptr, &error)) FatalInternal("resize_dialog", __LINE__);
    dialog.Control(kResizeWidthEdit).text = String::Formatted("%d", int(width));
    dialog.Control(kResizeHeightEdit).text = String::Formatted("%d", int(height));
    dialog.SetFocus(kResizeWidthEdit);
    return dialog;
}

bool ResizeWindow(FrameHost& frame) {
    WindowPlacement placement;
    if (!frame.GetPlacement(placement)) return false;
    int32_t width = placement.right - placement.left;
    int32_t height = placement.bottom - placement.top;
    Dialog dialog = MakeResizeWindowDialog(width, height);
    DialogRun run;
    run.settingsSection = "Nivora\\Resize Window";
    if (TheAsk().RunDialog(dialog, run) != kAskOk) return false;
    int32_t newWidth = ReadSize(dialog.Control(kResizeWidthEdit).text, width);
    int32_t newHeight = ReadSize(dialog.Control(kResizeHeightEdit).text, height);
    if (newWidth == width && newHeight == height && placement.show == WindowPlacement::kNormal) return false;
    // The size is the one the window has when restored; a maximised window comes
    // back to normal to take it.
    placement.right = placement.left + newWidth;
    placement.bottom = placement.top + newHeight;
    placement.show = WindowPlacement::kNormal;
    frame.SetPlacement(placement);
    return true;
}
