// libFuzzer target: any bytes as a layout text. A parse either succeeds or reports a
// position inside the text with the marked copy; whatever it built must survive
// dependency evaluation, value round trips and the flow layout at any size.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "ui/DialogLanguage.h"
#include "ui/DialogResources.h"
#include "ui/FlowLayout.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckError(const String& text, int32_t position, const String& error) {
    Require(position >= 0 && position <= text.Length());
    int32_t blank = error.Find("\r\n\r\n");
    Require(blank > 0);
    const String marked = error.Mid(blank + 4);
    Require(marked.Length() == text.Length() + 11);
    Require(std::memcmp(marked.c_str() + position, " <!ERROR!> ", 11) == 0);
    Require(std::memcmp(marked.c_str(), text.c_str(), size_t(position)) == 0);
}

void CheckValues(Dialog& dialog) {
    for (int32_t i = 0; i < dialog.Count(); ++i) {
        DialogControl& c = dialog.Control(i);
        if (!c.IsComboOrList()) continue;
        Require(c.selection >= -1 && c.selection < int32_t(c.entries.size()));
        const String value = c.Value();
        if (dialog.SetValue(i, value)) Require(c.Value() == value);
    }
    for (int32_t i = 0; i < dialog.Count(); ++i) {
        DialogControl& c = dialog.Control(i);
        if (c.kind == ControlKind::kCheckbox || c.kind == ControlKind::kRadioButton)
            dialog.SetChecked(i, !c.checked);
    }
}

void CheckLayout(const Dialog& dialog, int32_t width, int32_t height, int32_t gap) {
    const MonospaceControlMeasurer measurer;
    FlowLayoutResult r = FlowLayout(dialog, measurer, width, height, gap);
    Require(int32_t(r.rects.size()) == dialog.Count());
    Require(r.naturalWidth >= 0 && r.naturalHeight >= 0);
    for (const Rect& rect : r.rects) Require(rect.Width() >= 0 && rect.Height() >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ListedDialogResources resources = ListedDialogResources::Sample();
    if (size > 1 << 20) return 0;
    const String text(reinterpret_cast<const char*>(data), int32_t(size));
    Dialog dialog;
    int32_t position = -1;
    String error;
    if (!ParseLayout(dialog, text, resources, &position, &error)) CheckError(text, position, error);
    Require(dialog.FocusIndex() < dialog.Count());
    dialog.EvaluateDependencies();
    CheckValues(dialog);
    CheckLayout(dialog, 640, 480, DialogGap(1.0));
    CheckLayout(dialog, 0, 0, 0);
    return 0;
}
