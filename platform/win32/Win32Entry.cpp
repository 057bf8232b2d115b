#include "platform/win32/Win32Entry.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/Win32Framework.h"
#include "platform/win32/Win32Platform.h"

namespace {

// The tail of the process command line that WinMain would have been given: the
// program name (quoted or not) and the blanks after it are skipped.
const char* ArgumentsAfterProgramName(const char* line) {
    if (!line) return "";
    if (*line == '"') {
        ++line;
        while (*line && *line != '"') ++line;
        if (*line == '"') ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t') ++line;
    }
    while (*line == ' ' || *line == '\t') ++line;
    return line;
}

}  // namespace

int RunWin32Application(ApplicationMain main) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    InstallWin32Platform();
    if (!StartWin32Framework(GetModuleHandleA(nullptr))) return 1;
    int status = main(String(ArgumentsAfterProgramName(GetCommandLineA())));
    ShutdownWin32Framework();
    return status;
}
