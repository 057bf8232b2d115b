#include "platform/Font.h"

#include "core/Fatal.h"

namespace {
FontSource* installedFontSource = nullptr;
}

FontSource& TheFontSource() {
    if (!installedFontSource) Fatal("No font source installed");
    return *installedFontSource;
}

FontSource* InstallFontSource(FontSource* source) {
    FontSource* previous = installedFontSource;
    installedFontSource = source;
    return previous;
}
