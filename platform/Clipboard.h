// The system clipboard, as plain 8-bit text in the user's code page.
#pragma once

#include "core/String.h"
#include "platform/Services.h"

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool HasText() = 0;
    // False (and `text` emptied) when the clipboard holds no text or cannot be opened.
    virtual bool ReadText(String& text) = 0;
    // Replaces the clipboard's whole content.
    virtual bool WriteText(const String& text) = 0;
};

// Fatal when none has been installed.
inline Clipboard& TheClipboard() { return ServiceSlot<Clipboard>::Get("clipboard"); }
// Returns the clipboard installed before (null for none).
inline Clipboard* InstallClipboard(Clipboard* service) {
    return ServiceSlot<Clipboard>::Install(service);
}
