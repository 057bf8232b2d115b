// The one Win32 entry point: prepare the framework, run the editor, tear down.
#include <windows.h>

#include <commctrl.h>

#include "app/AppMain.h"
#include "platform/win32/Win32Framework.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    InstallWin32Platform();
    if (!StartWin32Framework(instance)) return 1;
    int status = NivoraMain(String(commandLine ? commandLine : ""));
    ShutdownWin32Framework();
    return status;
}
