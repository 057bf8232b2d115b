// The editbox's command set. Menus, toolbar buttons and keys all end up as one of
// these numbers and run through Editbox::OnCommand, so a command behaves the same
// whichever way the user reached it. The context menu is built from one table (see
// CommandsMenu.cpp) and the keys from another (CommandsKeys.cpp).
#pragma once

#include <cstdint>

#include "core/Array.h"
#include "core/String.h"

class Editbox;

enum : int32_t {
    // Clipboard, selection and undo.
    kCmdEditCut = 11221,
    kCmdEditCopy = 11219,
    kCmdEditPaste = 11196,
    kCmdEditSelectAll = 11184,
    kCmdEditUndo = 11222,
    kCmdEditRedo = 11132,
    // Files.
    kCmdEditOpenFromFile = 11160,
    kCmdEditSaveToFile = 11394,
    // "Editbox options".
    kCmdEditFixedPitch = 11346,
    kCmdEditInsertMode = 11343,
    kCmdEditWordWrap = 11227,
    // Paragraph and white-space tools.
    kCmdEditAlphabetize = 11245,
    kCmdEditDiscardDuplicates = 11470,
    kCmdEditIndentWithSpace = 11256,
    kCmdEditIndentWithTab = 11249,
    kCmdEditNormalizeSpaces = 11250,
    kCmdEditRandomize = 11478,
    kCmdEditReverseParagraphs = 11265,
    kCmdEditReverseCharacters = 11480,
    kCmdEditTrimTrailingSpaces = 11479,
    kCmdEditUnindent = 11251,
    // "Convert case".
    kCmdEditLowerCase = 11473,
    kCmdEditUpperCase = 11475,
    kCmdEditSentenceCase = 11474,
    kCmdEditTitleCase = 11477,
    kCmdEditToggleCase = 11476,
    // "Convert encoding".
    kCmdEditDecodeHtml = 11490,
    kCmdEditDecodeUrl = 11492,
    kCmdEditDecodeBase64 = 11481,
    kCmdEditDecodeHex = 11105,
    kCmdEditDecodeMimeHeader = 11103,
    kCmdEditDecodeQuotedPrintable = 11483,
    kCmdEditDecodeUtf7 = 11485,
    kCmdEditDecodeUtf8 = 11493,
    kCmdEditDecodeUuencode = 11487,
    kCmdEditEncodeHtml = 11489,
    kCmdEditEncodeUrl = 11491,
    kCmdEditEncodeBase64 = 11482,
    kCmdEditEncodeHex = 11106,
    kCmdEditEncodeQuotedPrintable = 11484,
    kCmdEditEncodeUtf7 = 11486,
    kCmdEditEncodeUtf8 = 11496,
    kCmdEditEncodeUuencode = 11488,
};

// Style bits that take one command away from a box (menu entry and command alike):
// a box that must not grow by pasting, or whose layout the user must not change.
enum : int32_t {
    kEditboxNoWordWrapEntry = 0x20000,
    kEditboxNoOpenFromFile = 0x8000000,
    kEditboxNoPaste = 0x10000000,
    kEditboxNoFixedPitchEntry = 0x40000000,
};

// The editbox's kind value of the document editbox: it offers "Save as".
constexpr int32_t kEditboxKindDocument = 3;

// Where the context menu goes. The editbox knows nothing of the menu classes of the
// framework; a menu, a test or a macro recorder adapts this to its own model.
class EditboxMenuSink {
public:
    virtual ~EditboxMenuSink() = default;
    virtual void AddItem(const String& label, int32_t command, bool checked) = 0;
    // Items until the matching EndSubmenu go into a sub-menu with this title.
    virtual void BeginSubmenu(const String& title) = 0;
    virtual void EndSubmenu() = 0;
};

// Appends the entries that apply to the box as it is now, worded for its selection.
void BuildContextMenu(const Editbox& editbox, EditboxMenuSink& menu);

// The file commands. Each returns true when the text or a file was changed; false
// when the user cancelled, the box refused or a file failed (the failure has been
// reported to the user by then).
bool OpenFromFile(Editbox& editbox);
bool SaveToFile(Editbox& editbox);
// Files dropped onto the box from the shell: with text in the box the user chooses
// whether they replace it or go in at the caret.
bool InsertDroppedFiles(Editbox& editbox, const Array<String>& fileNames);

// The open and save dialogs' filter and the extension a saved name gets when the
// user typed none.
extern const char* const kEditboxFileFilter;
extern const char* const kEditboxDefaultExtension;
