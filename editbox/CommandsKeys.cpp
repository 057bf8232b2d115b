// The editbox's keys, tried in a fixed order: a key that one step takes never reaches
// the later ones. Keys the box does not take return false and go on to the parent
// window (a dialog's Enter, the main window's shortcuts, Up on the first line).
#include "editbox/Commands.h"
#include "editbox/Editbox.h"
#include "editbox/InsertMode.h"
#include "platform/Sound.h"
#include "platform/Window.h"

namespace {

constexpr int32_t kBackspace = 8;
constexpr int32_t kTab = 9;
constexpr int32_t kEnter = 13;
constexpr int32_t kEsc = 27;

struct KeyBinding {
    int32_t key;
    int32_t modifiers;  // exactly these
    int32_t command;
};

// Keys that stand for a command of the table; the command decides whether the box
// allows it, and refuses with a beep.
constexpr KeyBinding kCommandKeys[] = {
    {'A', kModCtrl, kCmdEditSelectAll},
    {'C', kModCtrl, kCmdEditCopy},
    {'L', kModCtrl | kModShift, kCmdEditLowerCase},
    {'U', kModCtrl | kModShift, kCmdEditUpperCase},
    {'V', kModCtrl, kCmdEditPaste},
    {'X', kModCtrl, kCmdEditCut},
    {'Y', kModCtrl, kCmdEditRedo},
    {'Z', kModCtrl, kCmdEditUndo},
    {kKeyIns, 0, kCmdEditInsertMode},
    {kKeyIns, kModShift, kCmdEditPaste},
    {kKeyIns, kModCtrl, kCmdEditCopy},
};

const KeyBinding* FindBinding(int32_t key, int32_t modifiers) {
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
    for (const KeyBinding& binding : kCommandKeys)
        if (binding.key == key && binding.modifiers == modifiers) return &binding;
    return nullptr;
}

bool IsVerticalKey(int32_t key) {
    return key == kKeyUp || key == kKeyDown || key == kKeyPgUp || key == kKeyPgDn;
}

bool IsHorizontalKey(int32_t key) {
    return key == kKeyHome || key == kKeyEnd || key == kKeyLeft || key == kKeyRight;
}

// Overwriting never eats a line break and appends at the end: there the character
// goes in front instead, so a line cannot run into the next one.
bool TypeCharacter(Editbox& editbox, int32_t ch) {
    if (TypesInInsertMode(editbox)) return editbox.InsertChar(ch);
    char here = editbox.Text()[editbox.Caret()];
    bool atLineEnd = editbox.Caret() >= editbox.GetTextLength() || here == '\r' || here == '\n';
    if (atLineEnd && !editbox.HasSelection()) return editbox.InsertChar(ch);
    return editbox.OverwriteChar(ch);
}

// A key that edits: consumed either way, with a beep when the box refused.
bool Edit(bool done) {
    if (!done) PlayRefusalSound();
    return true;
}

}  // namespace

bool Editbox::OnKey(int32_t key, int32_t modifiers) {
    if (modifiers & kModAlt) return false;
    bool ctrl = (modifiers & kModCtrl) != 0;
    bool shift = (modifiers & kModShift) != 0;

    if (IsVerticalKey(key)) return IsMultiLine() && MoveCaret(key, modifiers);
    if (const KeyBinding* binding = FindBinding(key, modifiers)) {
        OnCommand(binding->command);
        return true;
    }
    if (IsHorizontalKey(key)) return MoveCaret(key, modifiers);
    if (ctrl || (key >= 256 && key != kKeyDel)) return false;

    switch (key) {
        case kBackspace:
            if (IsReadOnly()) return Edit(false);
            DeleteChar(true);  // nothing to take back at the start is no mistake
            return true;
        case kKeyDel:
            if (IsReadOnly()) return Edit(false);
            DeleteChar(false);  // beeps itself past the end
            return true;
        case kTab:
            if (HasSelection()) {
                OnCommand(shift ? kCmdEditUnindent : kCmdEditIndentWithTab);
                return true;
            }
            if (shift || !(Style() & kEditboxTabs)) return false;
            return Edit(!IsReadOnly() && TypeCharacter(*this, kTab));
        case kEnter:
            if (!IsMultiLine()) return false;
            return Edit(InsertLineBreak());
        case kEsc: return false;
        default: break;
    }
    if (key < 32) return false;
    return Edit(!IsReadOnly() && TypeCharacter(*this, key));
}
