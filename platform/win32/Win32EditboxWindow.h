// The editbox as a Win32 child window: GDI painting through Editbox::Paint, scroll
// bars, the caret, mouse and keyboard forwarded to the portable editbox, and OLE
// drag and drop of text.
#pragma once

#include <windows.h>

class Editbox;

// Null when the window cannot be created. The window owns its host object and
// detaches itself from the editbox when destroyed.
HWND CreateEditboxWindow(HWND parent, Editbox& editbox);
