// The editbox as a Win32 view window, with what is particular to an editbox: its
// context menu, and its text for WM_GETTEXT.
#pragma once

#include <windows.h>

class Editbox;

// Null when the window cannot be created. The window detaches itself from the
// editbox when destroyed.
HWND CreateEditboxWindow(HWND parent, Editbox& editbox);
