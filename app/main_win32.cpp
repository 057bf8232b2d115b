// The one Win32 entry point: the editor's main routine under the Win32 host. The
// mingw runtime calls main() for GUI-subsystem programs too.
#include "app/AppMain.h"
#include "platform/win32/Win32Entry.h"

int main() {
    return RunWin32Application(NivoraMain);
}
