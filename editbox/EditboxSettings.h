// The framework settings the editbox consults. The settings table fills this in when
// it loads and again whenever the user edits a setting; editboxes read it at the
// moment they need a value, except fonts and tab distances, which they pick up in
// Editbox::RefreshSettings.
#pragma once

#include <cstdint>

#include "core/String.h"

struct EditboxSettings {
    int32_t autoIndent = 1;  // "AutoIndent": 0 "Disabled", 1 "Enabled"
    bool selectOnPaste = false;  // "SelectOnPaste"
    bool textDragable = true;  // "EditboxTextDragable"
    int32_t tabDistanceFixed = 8;  // "TabDistanceFixed", characters 1..99
    double tabDistanceVariable = 1.0;  // "TabDistanceVariable", inches 0.5..100
    int32_t caretWidth = 2;  // "CaretWidth", pixels 1..99
    String fontFace = "Arial";  // "ControlFontFace"
    double fontPoints = 11.0;  // "ControlFontSize"
    bool fontBold = false;  // "ControlFontBold"
    bool fontItalic = false;  // "ControlFontItalics"
    int32_t fontCharset = 0;  // "ControlFontCharset"
    String fixedFontFace = "Courier New";  // "FixedControlFontFace"
    bool fixedFontBold = false;  // "FixedControlFontBold"
    bool fixedFontItalic = false;  // "FixedControlFontItalics"
};

// The process-wide settings, alive from start to shutdown.
EditboxSettings& TheEditboxSettings();
