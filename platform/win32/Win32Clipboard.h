// The system clipboard as CF_TEXT, and the system's event sounds.
#pragma once

#include "platform/Clipboard.h"
#include "platform/Sound.h"

class Win32Clipboard : public Clipboard {
public:
    bool HasText() override;
    bool ReadText(String& text) override;
    bool WriteText(const String& text) override;
};

class Win32Sound : public Sound {
public:
    void PlayEvent(const char* eventName) override;
};

Win32Clipboard& TheWin32Clipboard();
Win32Sound& TheWin32Sound();
