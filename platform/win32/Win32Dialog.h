// A portable Dialog realised as a modal Win32 dialog of real child controls, and the
// platform's character sets and font faces for the layout language.
#pragma once

#include <windows.h>

#include "platform/Ask.h"
#include "ui/DialogResources.h"

class Dialog;
class PagedDialog;

// Runs the dialog over `owner` with the dialog manager (Tab, Enter, Escape, access
// keys); returns the button that ended it.
AskButton RunWin32Dialog(Dialog& dialog, const DialogRun& options, HWND owner);
// The tree of pages on the left, the chosen page's controls on the right, the buttons
// under both.
AskButton RunWin32PagedDialog(PagedDialog& paged, const DialogRun& options, HWND owner);

class Win32DialogResources : public DialogResources {
public:
    std::vector<DialogEntry> CharacterSets() const override;
    std::vector<String> FontFaces(int32_t kindMask) const override;
};

Win32DialogResources& TheWin32DialogResources();
