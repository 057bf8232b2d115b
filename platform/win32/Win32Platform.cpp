#include "platform/win32/Win32Platform.h"

#include <windows.h>

void InstallWin32SystemServices() {
}

void InstallWin32Platform() {
    InstallWin32SystemServices();
}
