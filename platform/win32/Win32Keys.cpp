#include "platform/win32/Win32Keys.h"

#include "platform/Window.h"

int32_t FrameworkKeyFromVirtualKey(WPARAM vk) {
    switch (vk) {
        case VK_PAUSE: return kKeyPause;
        case VK_INSERT: return kKeyIns;
        case VK_DELETE: return kKeyDel;
        case VK_HOME: return kKeyHome;
        case VK_END: return kKeyEnd;
        case VK_PRIOR: return kKeyPgUp;
        case VK_NEXT: return kKeyPgDn;
        case VK_UP: return kKeyUp;
        case VK_DOWN: return kKeyDown;
        case VK_LEFT: return kKeyLeft;
        case VK_RIGHT: return kKeyRight;
        case VK_BACK: return 8;
        case VK_TAB: return 9;
        case VK_RETURN: return 13;
        case VK_ESCAPE: return 27;
        case VK_SPACE: return 32;
        default: break;
    }
    if (vk >= VK_F1 && vk <= VK_F12) return int32_t(kKeyF1 + (vk - VK_F1));
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return int32_t(vk);
    return 0;
}

int32_t CurrentKeyModifiers() {
    int32_t modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0) modifiers |= kModShift;
    if (GetKeyState(VK_CONTROL) < 0) modifiers |= kModCtrl;
    if (GetKeyState(VK_MENU) < 0) modifiers |= kModAlt;
    return modifiers;
}
