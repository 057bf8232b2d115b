#include "platform/Clipboard.h"

#include "core/Fatal.h"

namespace {
Clipboard* installedClipboard = nullptr;
}

Clipboard& TheClipboard() {
    if (!installedClipboard) Fatal("No clipboard installed");
    return *installedClipboard;
}

Clipboard* InstallClipboard(Clipboard* clipboard) {
    Clipboard* previous = installedClipboard;
    installedClipboard = clipboard;
    return previous;
}
