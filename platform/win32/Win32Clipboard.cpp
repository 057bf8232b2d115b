#include "platform/win32/Win32Clipboard.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstring>

namespace {

// Another program may hold the clipboard for a moment; a few short retries ride
// that out without hanging the editor.
bool OpenClipboardPatiently() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

}  // namespace

bool Win32Clipboard::HasText() {
    return IsClipboardFormatAvailable(CF_TEXT) != 0;
}

bool Win32Clipboard::ReadText(String& text) {
    text = String();
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboardPatiently()) return false;
    bool ok = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            SIZE_T size = GlobalSize(data);
            SIZE_T length = 0;
            while (length < size && bytes[length] != 0) ++length;
            ok = text.Assign(bytes, int32_t(length));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return ok;
}

bool Win32Clipboard::WriteText(const String& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(text.Length()) + 1);
    if (!memory) return false;
    char* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, text.c_str(), size_t(text.Length()) + 1);
    GlobalUnlock(memory);
    if (!OpenClipboardPatiently()) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    bool ok = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!ok) GlobalFree(memory);
    return ok;
}

void Win32Sound::PlayEvent(const char* eventName) {
    PlaySoundA(eventName, nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}

Win32Clipboard& TheWin32Clipboard() {
    static Win32Clipboard clipboard;
    return clipboard;
}

Win32Sound& TheWin32Sound() {
    static Win32Sound sound;
    return sound;
}
