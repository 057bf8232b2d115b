// The one translation from Win32 virtual keys to the framework's key codes.
#pragma once

#include <windows.h>

#include <cstdint>

// 0 for keys the framework has no code for.
int32_t FrameworkKeyFromVirtualKey(WPARAM virtualKey);
// Shift 1, Ctrl 2, Alt 4, from the keyboard state of the message being handled.
int32_t CurrentKeyModifiers();
