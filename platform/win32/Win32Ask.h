// Questions to the user as real Win32 boxes and common dialogs.
#pragma once

#include "platform/Ask.h"

class Win32Ask : public Ask {
public:
    AskButton ShowMessage(const AskMessage& message) override;
    bool AskOpenFileName(FileDialogRequest& request) override;
    bool AskSaveFileName(FileDialogRequest& request) override;
    AskButton RunDialog(Dialog& dialog, const DialogRun& options) override;
    AskButton RunPagedDialog(PagedDialog& paged, const DialogRun& options) override;
};

Win32Ask& TheWin32Ask();
