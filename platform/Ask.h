// Every modal moment goes through here: message boxes, prompts, file dialogs. The
// Win32 host shows real windows; the headless host answers from a script and keeps
// each question so that tests can assert its exact texts.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Array.h"
#include "core/String.h"
#include "platform/Services.h"

class Dialog;
class PagedDialog;

// Button identities; the values are the ones the platform's message boxes return.
enum AskButton : int32_t {
    kAskNone = 0,
    kAskOk = 1,
    kAskCancel = 2,
    kAskAbort = 3,
    kAskRetry = 4,
    kAskIgnore = 5,
    kAskYes = 6,
    kAskNo = 7,
};

// Button sets are bit sets of (1 << AskButton).
constexpr uint32_t AskButtonBit(AskButton button) { return 1u << button; }
constexpr uint32_t kAskOkOnly = AskButtonBit(kAskOk);
constexpr uint32_t kAskYesNoCancel =
    AskButtonBit(kAskYes) | AskButtonBit(kAskNo) | AskButtonBit(kAskCancel);

enum class AskIcon { None, Error, Warning, Question, Information };

struct AskRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

// A button in the question's own words. "&" marks the accelerator letter as in menus.
struct AskChoice {
    String label;
    String tip;  // a line on what the button does; empty for none
    AskButton result = kAskNone;  // what ShowMessage returns when it is pressed
};

struct AskMessage {
    String caption;
    String text;
    uint32_t buttons = kAskOkOnly;
    // When given, these replace `buttons`, in this order; closing the box answers as
    // the last one does, so a question that may be dismissed ends with its Cancel.
    Array<AskChoice> choices{};
    AskButton defaultButton = kAskNone;  // kAskNone: the first button offered
    AskIcon icon = AskIcon::None;
    AskRect avoid;  // screen area the box must not cover, e.g. a found match
    // The fatal report must stay in front of everything and block the whole task.
    bool taskModal = false;
    bool topmost = false;
};

struct FileDialogRequest {
    String caption;
    String filter;  // "Text files|*.txt|All files|*.*"
    String folder;  // initial folder
    String fileName;  // in: proposed name; out: the chosen full path
    // Added by the dialog itself to a name typed without one ("TXT", no dot), so
    // that the overwrite question and the open check see the name that is used.
    String defaultExtension;
};

// How a Dialog is run: the buttons the host appends under its controls, in the order
// given (OK and Cancel unless told), where its position is remembered, and how wide
// it may grow.
struct DialogRun {
    std::vector<AskButton> buttons{kAskOk, kAskCancel};
    // A section of "globals.ini" whose "WindowPosition" keeps where the user left the
    // dialog; empty: centred on its owner every time.
    String settingsSection;
    // The widest client area in pixels the dialog may take; 0 for its natural width.
    int32_t width = 0;
};

class Ask {
public:
    virtual ~Ask() = default;
    // Returns the button chosen; closing the box counts as Cancel when offered.
    virtual AskButton ShowMessage(const AskMessage& message) = 0;
    virtual bool AskOpenFileName(FileDialogRequest& request) = 0;
    virtual bool AskSaveFileName(FileDialogRequest& request) = 0;
    // Shows the dialog modally and returns the button that ended it (Cancel for
    // Escape or the close box). On OK the dialog holds what the user entered; on
    // anything else it may hold the edits too, and the caller ignores them.
    virtual AskButton RunDialog(Dialog& dialog, const DialogRun& options) = 0;
    // The same for a dialog of pages chosen from a tree: the buttons end the whole
    // dialog, and on OK every page visited holds what the user entered on it.
    virtual AskButton RunPagedDialog(PagedDialog& paged, const DialogRun& options) = 0;
};

inline Ask& TheAsk() { return ServiceSlot<Ask>::Get("question asker"); }
inline Ask* InstallAsk(Ask* service) { return ServiceSlot<Ask>::Install(service); }

// The common case: an OK box captioned with the product name.
AskButton ShowMessage(const String& caption, const String& text,
                      uint32_t buttons = kAskOkOnly, AskButton defaultButton = kAskNone,
                      AskIcon icon = AskIcon::None);
