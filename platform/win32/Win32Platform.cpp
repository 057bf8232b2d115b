#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include "platform/win32/Win32Clock.h"

void InstallWin32SystemServices() {
    InstallClock(&TheWin32Clock());
}

void InstallWin32Platform() {
    InstallWin32SystemServices();
}
